// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/export/exportfile.h"

#include "core/asciitext.h"
#include "document/export/pdfwriter.h"
#include "platform/codec/textcodec.h"
#include "platform/codec/textfilecodec.h"
#include "platform/richtext/rtfwriter.h"

#include <QFileInfo>

namespace calmdesk {

namespace {

// Each CR LF, lone CR or lone LF becomes one LF, the line end of files on this system.
QString withLfLineEnds(const QString &text)
{
    QString out;
    out.reserve(text.size());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar ch = text.at(i);
        if (ch == QLatin1Char('\r')) {
            out.append(QLatin1Char('\n'));
            if (i + 1 < size && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else {
            out.append(ch);
        }
    }
    return out;
}

QByteArray rtfBytes(const ExportSource &source)
{
    RichFormat base;
    base.family = source.fontFamily;
    base.pointSize = source.fontSize;
    base.bold = source.bold;
    base.italic = source.italic;
    // Black, whatever colours the editor shows on screen.
    base.colour = 0x000000;
    return writeRtf(richTextFromTags(source.text, source.tags, base));
}

QByteArray htmlBytes(const ExportSource &source, HtmlForm form)
{
    const HtmlText body = htmlFromTags(source.text, source.tags);
    const QString html = form == HtmlForm::Page
                             ? htmlPage(body, source.title, source.fontFamily, source.fontSize)
                             : body.html;
    return withLfLineEnds(html).toUtf8();
}

} // namespace

std::optional<ExportFormat> exportFormatForFilter(int index)
{
    if (index < int(ExportFormat::Rtf) || index > int(ExportFormat::Text))
        return std::nullopt;
    return ExportFormat(index);
}

std::optional<ExportFormat> exportFormatForPath(const QString &path)
{
    const QString suffix = asciiLower(QFileInfo(path).suffix());
    if (suffix == QLatin1String("rtf"))
        return ExportFormat::Rtf;
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
        return ExportFormat::Html;
    if (suffix == QLatin1String("pdf"))
        return ExportFormat::Pdf;
    if (suffix == QLatin1String("txt"))
        return ExportFormat::Text;
    return std::nullopt;
}

ExportBytes exportBytes(ExportFormat format, const ExportSource &source, HtmlForm htmlForm)
{
    switch (format) {
    case ExportFormat::Rtf:
        return {rtfBytes(source), 0};
    case ExportFormat::Html:
        return {htmlBytes(source, htmlForm), 0};
    case ExportFormat::Pdf: {
        PdfExport pdf = writePdf(source.text, source.fontSize, source.title);
        return {std::move(pdf.bytes), pdf.replacedCharacters};
    }
    case ExportFormat::Text:
        return {encodeText(source.text, TextFileFormat{}).bytes, 0};
    }
    return {};
}

ExportResult writeExport(const QString &path, ExportFormat format, const ExportSource &source,
                         HtmlForm htmlForm)
{
    const ExportBytes data = exportBytes(format, source, htmlForm);
    const TextSaveResult saved = saveBytesFile(path, data.bytes);
    return ExportResult{saved.ok, saved.errorString, data.replacedCharacters};
}

} // namespace calmdesk
