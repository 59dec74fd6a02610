// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/export/markupconversion.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace calmdesk {

// The formats the text can be exported to, in the order the export dialog offers them.
enum class ExportFormat { Rtf = 1, Html = 2, Pdf = 3, Text = 4 };

// The export dialog's filter entry (counted from 1), or a file name's extension (.rtf,
// .html or .htm, .pdf, .txt; any letter case).
std::optional<ExportFormat> exportFormatForFilter(int index);
std::optional<ExportFormat> exportFormatForPath(const QString &path);

// An HTML export is a complete page or only the converted text.
enum class HtmlForm { Page, Fragment };

// What an export reads: the document's text and look.
struct ExportSource
{
    // Line breaks CR LF, as the text control gives it.
    QString text;
    TagStyle tags = TagStyle::None;
    QString fontFamily;
    // Whole points.
    int fontSize = 12;
    bool bold = false;
    bool italic = false;
    // The document's file name without its folder, or "(untitled)".
    QString title;
};

struct ExportBytes
{
    QByteArray bytes;
    // Characters the format's character set cannot hold (PDF), written as "?".
    int replacedCharacters = 0;
};

// The file's bytes: RTF with the tags turned into formatting, in the document's font and
// black; HTML in UTF-8 with LF line ends; PDF; the plain text in UTF-8 with LF line ends.
ExportBytes exportBytes(ExportFormat format, const ExportSource &source, HtmlForm htmlForm);

struct ExportResult
{
    bool ok = false;
    QString errorString;
    int replacedCharacters = 0;
};

// Writes the export to `path`, replacing it, atomically: a failed write leaves any old file
// as it was.
ExportResult writeExport(const QString &path, ExportFormat format, const ExportSource &source,
                         HtmlForm htmlForm);

} // namespace calmdesk
