// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/richtext/richtext.h"

#include <QByteArray>

namespace calmdesk {

// The text as an RTF document: fonts and colours in tables, each run's character format
// in full, paragraphs ended by \par. Characters of Windows-1252 are written as themselves
// or \'hh, every other character as \uN with "?" for readers that do not know it.
QByteArray writeRtf(const RichText &text);

} // namespace calmdesk
