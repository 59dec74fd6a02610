// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace calmdesk {

// The character formatting rich text carries: what the text areas show and what the RTF
// files the program writes and reads hold.
struct RichFormat
{
    QString family;
    qreal pointSize = 12;
    // 0xRRGGBB.
    quint32 colour = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    friend bool operator==(const RichFormat &, const RichFormat &) = default;
};

// A stretch of text in one format. Its line breaks (CR LF, or a lone CR or LF) end
// paragraphs.
struct RichRun
{
    QString text;
    RichFormat format;
};

// Text with its formatting, as runs in reading order.
using RichText = QList<RichRun>;

// The runs' text, one after the other.
QString plainText(const RichText &text);

// Appends text in a format, joining it to the last run when that has the same format.
void appendRun(RichText &text, const QString &piece, const RichFormat &format);

} // namespace calmdesk
