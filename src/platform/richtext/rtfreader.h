// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/richtext/richtext.h"

#include <QByteArrayView>

namespace calmdesk {

// Reads RTF, whichever program wrote it, into text with the character formats the program
// keeps: font name and size, colour, bold, italic, underline, strike-out, and paragraphs
// (ended by CR LF). What it does not know it leaves out: pictures, tables' structure,
// style sheets, fields' instructions, document information. Text outside any group and
// bytes that are not RTF at all are read as text. Any input ends in time proportional to
// its length; nothing in it can make the reader fail.
//
// \'hh is Windows-1252 whatever code page the file names; \uN is any character.
RichText readRtf(QByteArrayView rtf);

// True when the bytes start as an RTF document does ("{\rtf").
bool looksLikeRtf(QByteArrayView bytes);

} // namespace calmdesk
