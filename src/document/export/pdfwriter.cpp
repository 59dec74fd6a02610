// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/export/pdfwriter.h"

#include "platform/codec/windows1252.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace calmdesk {

namespace {

// A4 in points, with the same margin on every side.
constexpr double kPageWidth = 595.28;
constexpr double kPageHeight = 841.89;
constexpr double kMargin = 60.0;
constexpr double kLineWidth = kPageWidth - 2 * kMargin;       // 475.28
constexpr double kPageBodyHeight = kPageHeight - 2 * kMargin; // 721.89
// Courier advances every character by this share of the font size.
constexpr double kCharacterAdvance = 0.6;

constexpr char kReplacement = '?';

// A piece of the escaped text: one line of the PDF.
struct Span
{
    qsizetype start;
    qsizetype length;
};

// The text in the fonts' encoding; a character it cannot hold (a pair of surrogates is
// one character) becomes "?".
QByteArray toWinAnsi(const QString &text, int *replaced)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t ch = text.at(i).unicode();
        if (const std::optional<char> byte = windows1252Byte(ch)) {
            bytes.append(*byte);
            continue;
        }
        if (QChar::isHighSurrogate(ch) && i + 1 < size && text.at(i + 1).isLowSurrogate())
            ++i;
        bytes.append(kReplacement);
        ++*replaced;
    }
    return bytes;
}

// A backslash and both parentheses stand escaped in a PDF string.
void appendEscaped(QByteArray &out, char byte)
{
    if (byte == '\\' || byte == '(' || byte == ')')
        out.append('\\');
    out.append(byte);
}

QByteArray escapedString(const QByteArray &bytes)
{
    QByteArray out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char byte : bytes)
        appendEscaped(out, byte);
    return out;
}

// Escapes the text into `out` and cuts it into lines: a pair of LFs is one line end, and
// so is any other LF and every CR (a CR LF is therefore two). An empty piece after the last
// line end is no line.
std::vector<Span> escapedLines(const QByteArray &bytes, QByteArray &out)
{
    out.reserve(bytes.size() + bytes.size() / 8);
    std::vector<Span> lines;
    qsizetype lineStart = 0;
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char byte = bytes.at(i);
        if (byte == '\n' || byte == '\r') {
            if (byte == '\n' && i + 1 < size && bytes.at(i + 1) == '\n')
                ++i;
            lines.push_back({lineStart, out.size() - lineStart});
            lineStart = out.size();
            continue;
        }
        appendEscaped(out, byte);
    }
    if (out.size() > lineStart)
        lines.push_back({lineStart, out.size() - lineStart});
    return lines;
}

bool isBreakCharacter(char c)
{
    switch (c) {
    case ' ':
    case '.':
    case ',':
    case ';':
    case ':':
    case '!':
    case '?':
    case ')':
        return true;
    default:
        return false;
    }
}

// True when cutting after `length` characters of the escaped line would separate a
// backslash from the character it escapes.
bool cutsEscape(const char *line, qsizetype length)
{
    bool escaping = false;
    for (qsizetype i = 0; i < length; ++i)
        escaping = !escaping && line[i] == '\\';
    return escaping;
}

class LineWrapper
{
public:
    explicit LineWrapper(int fontSize)
        : m_advance(kCharacterAdvance * fontSize)
    {
        // The most characters strictly narrower than the line, counted as the width test
        // counts them.
        qsizetype most = qsizetype(kLineWidth / m_advance);
        while (most > 0 && double(most) * m_advance >= kLineWidth)
            --most;
        while (double(most + 1) * m_advance < kLineWidth)
            ++most;
        m_mostBeforeBreak = most;
        m_forcedBreak = std::max<qsizetype>(1, qsizetype(std::nearbyint(kLineWidth / m_advance)));
    }

    // Appends the pieces of one line to `lines`.
    void wrap(const QByteArray &text, Span line, std::vector<Span> &lines) const
    {
        // A single character wider than the line (a giant font) stays as it is.
        while (line.length > 1 && double(line.length) * m_advance > kLineWidth) {
            const char *chars = text.constData() + line.start;
            const qsizetype cut = breakPosition(chars, line.length);
            if (cut >= line.length)
                break;
            lines.push_back({line.start, cut});
            line = {line.start + cut, line.length - cut};
        }
        lines.push_back(line);
    }

private:
    // Characters 1..e stay on the line: after the last break character that fits, or else
    // at the forced position, moved so that no escape is cut in two.
    qsizetype breakPosition(const char *line, qsizetype length) const
    {
        for (qsizetype e = std::min(length, m_mostBeforeBreak); e >= 1; --e) {
            if (isBreakCharacter(line[e - 1]))
                return e;
        }
        qsizetype e = std::min(m_forcedBreak, length - 1);
        if (cutsEscape(line, e))
            e += e > 1 ? -1 : 1;
        return e;
    }

    double m_advance;
    qsizetype m_mostBeforeBreak;
    qsizetype m_forcedBreak;
};

void appendFixed3(QByteArray &out, double value)
{
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
    out.append(buffer, result.ptr - buffer);
}

void appendNumber(QByteArray &out, qint64 value)
{
    out.append(QByteArray::number(value));
}

class PdfBuilder
{
public:
    explicit PdfBuilder(int objectCount)
        : m_offsets(objectCount, 0)
    {}

    QByteArray &out() { return m_out; }

    void line(QByteArrayView text)
    {
        m_out.append(text);
        m_out.append('\n');
    }

    void beginObject(int number)
    {
        m_offsets[number] = m_out.size();
        appendNumber(m_out, number);
        line(" 0 obj");
    }

    void endObject()
    {
        line("endobj");
        line("");
    }

    void crossReferences(int infoObject)
    {
        const qsizetype start = m_out.size();
        const int entries = int(m_offsets.size());
        line("xref");
        m_out.append("0 ");
        appendNumber(m_out, entries);
        m_out.append('\n');
        line("0000000000 65535 f");
        for (int i = 1; i < entries; ++i) {
            const QByteArray offset = QByteArray::number(m_offsets[i]);
            m_out.append(QByteArray(10 - offset.size(), '0'));
            m_out.append(offset);
            line(" 00000 n");
        }
        line("");
        line("trailer");
        m_out.append("  << /Size ");
        appendNumber(m_out, entries);
        m_out.append('\n');
        line("     /Root 1 0 R");
        m_out.append("     /Info ");
        appendNumber(m_out, infoObject);
        line(" 0 R");
        line("  >>");
        line("startxref");
        appendNumber(m_out, start);
        m_out.append('\n');
        line("%%EOF");
    }

private:
    QByteArray m_out;
    std::vector<qint64> m_offsets;
};

void writeFixedObjects(PdfBuilder &pdf)
{
    pdf.line("%PDF-1.3");
    pdf.beginObject(1);
    pdf.line("  << /Type/Catalog");
    pdf.line("     /Pages 2 0 R");
    pdf.line("  >>");
    pdf.endObject();

    const char *const fonts[2][2] = {{"/F1", "Courier"}, {"/F2", "Arial"}};
    for (int i = 0; i < 2; ++i) {
        pdf.beginObject(3 + i);
        pdf.line("  << /Type /Font");
        pdf.line("     /Subtype /TrueType");
        pdf.out().append("     /Name ");
        pdf.line(fonts[i][0]);
        pdf.out().append("     /BaseFont /");
        pdf.line(fonts[i][1]);
        pdf.line("     /Encoding /WinAnsiEncoding");
        pdf.line("  >>");
        pdf.endObject();
    }

    pdf.beginObject(5);
    for (const char *text : {"<<", "/ProcSet[/PDF/Text/ImageB/ImageC/ImageI]", "/Font<<",
                             "/F0 3 0 R", "/F1 4 0 R", ">>", ">>"})
        pdf.line(text);
    pdf.endObject();
}

// The content of every page: five lines of operators per line of text.
std::vector<QByteArray> pageContents(const QByteArray &text, const std::vector<Span> &lines,
                                     int fontSize)
{
    QByteArray fontLine = "/F1 " + QByteArray::number(fontSize) + " Tf\n";
    std::vector<QByteArray> pages(1);
    double y = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        QByteArray &content = pages.back();
        content.append("BT\n");
        content.append(fontLine);
        content.append("0.000 0.000 0.000 rg\n");
        appendFixed3(content, kMargin);
        content.append(' ');
        appendFixed3(content, kPageHeight - (y + kMargin));
        content.append(" Td(");
        content.append(text.constData() + lines[i].start, lines[i].length);
        content.append(") Tj\nET\n");
        y += fontSize;
        if (y + fontSize >= kPageBodyHeight && i + 1 < lines.size()) {
            pages.emplace_back();
            y = 0;
        }
    }
    return pages;
}

} // namespace

PdfExport writePdf(const QString &text, int fontSize, const QString &title)
{
    PdfExport result;
    QByteArray escaped;
    const std::vector<Span> paragraphs =
        escapedLines(toWinAnsi(text, &result.replacedCharacters), escaped);
    const LineWrapper wrapper(fontSize);
    std::vector<Span> lines;
    lines.reserve(paragraphs.size());
    for (const Span &paragraph : paragraphs)
        wrapper.wrap(escaped, paragraph, lines);
    const std::vector<QByteArray> pages = pageContents(escaped, lines, fontSize);
    escaped = QByteArray();

    const int pageCount = int(pages.size());
    const int infoObject = 6 + 2 * pageCount;
    PdfBuilder pdf(7 + 2 * pageCount);
    qsizetype size = 2048;
    for (const QByteArray &content : pages)
        size += content.size() + 300;
    pdf.out().reserve(size);
    writeFixedObjects(pdf);

    for (int k = 1; k <= pageCount; ++k) {
        const int contents = 4 + 2 * k;
        const QByteArray &content = pages[k - 1];
        pdf.beginObject(contents);
        // The exact length of the data between "stream" and "endstream".
        pdf.out().append("  << /Length ");
        appendNumber(pdf.out(), content.size());
        pdf.line(" >>");
        pdf.line("stream");
        pdf.out().append(content);
        pdf.line("endstream");
        pdf.endObject();

        pdf.beginObject(contents + 1);
        pdf.line("  << /Type /Page");
        pdf.line("     /Parent 2 0 R");
        pdf.out().append("     /MediaBox [0 0 ");
        pdf.out().append(QByteArray::number(kPageWidth, 'f', 2));
        pdf.out().append(' ');
        pdf.out().append(QByteArray::number(kPageHeight, 'f', 2));
        pdf.line("]");
        pdf.out().append("     /Contents ");
        appendNumber(pdf.out(), contents);
        pdf.line(" 0 R");
        pdf.line("     /Resources << /ProcSet 5 0 R");
        pdf.line("     /Font << /F1 3 0 R /F2 4 0 R >>");
        pdf.line("     >>");
        pdf.line("  >>");
        pdf.endObject();
    }

    pdf.beginObject(2);
    pdf.line("  << /Type/Pages");
    pdf.line("    /Kids [");
    for (int k = 1; k <= pageCount; ++k) {
        pdf.out().append("    ");
        appendNumber(pdf.out(), 5 + 2 * k);
        pdf.line(" 0 R");
    }
    pdf.line("    ]");
    pdf.out().append("    /Count ");
    appendNumber(pdf.out(), pageCount);
    pdf.out().append('\n');
    pdf.line("  >>");
    pdf.line("");
    pdf.line("endobj");

    pdf.beginObject(infoObject);
    pdf.line("<<");
    pdf.out().append("/Title(");
    int replacedInTitle = 0;
    pdf.out().append(escapedString(toWinAnsi(title, &replacedInTitle)));
    pdf.line(")");
    pdf.line("/Author(Calmdesk)");
    pdf.line("/Producer(Calmdesk v1.12)");
    pdf.line(">>");
    pdf.line("endobj");

    pdf.crossReferences(infoObject);
    result.bytes = std::move(pdf.out());
    return result;
}

} // namespace calmdesk
