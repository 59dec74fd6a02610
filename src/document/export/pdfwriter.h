// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace calmdesk {

// A PDF 1.3 file of A4 pages holding the text in Courier, one text object per line, with
// the program's own line wrapping and page breaking. The text's line breaks may be CR LF
// (each of CR and LF is a line end of its own, so a paragraph is followed by an empty
// line), lone CR or lone LF.
struct PdfExport
{
    QByteArray bytes;
    // Characters the PDF's character set (Windows-1252) cannot hold, written as "?".
    int replacedCharacters = 0;
};

// `fontSize` in whole points sets the letters and the line spacing; `title` goes into
// the document information.
PdfExport writePdf(const QString &text, int fontSize, const QString &title);

} // namespace calmdesk
