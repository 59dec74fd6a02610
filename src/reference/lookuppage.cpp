// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/lookuppage.h"

#include "core/asciitext.h"
#include "goals/textroutines.h"
#include "platform/codec/windows1252.h"

namespace calmdesk {

namespace {

using F = ReferenceSource;

const QString kBreakMarker = QStringLiteral("[/Cr/Lf]");
const QString kRule = QStringLiteral("_______________________");
const QColor kGrey(192, 192, 192);
const QColor kDimGrey(128, 128, 128);
const QColor kOrange(255, 128, 0);
const QColor kNavy(0, 0, 128);
const QColor kMaroon(128, 0, 0);
constexpr int kFootnotes = 128;

// The look in force, as the result control's current attributes are: each appended line
// takes it as it stands.
class PageWriter
{
public:
    PageWriter &size(int points)
    {
        m_pen.pointSize = points;
        return *this;
    }
    PageWriter &colour(const QColor &colour)
    {
        m_pen.colour = colour;
        return *this;
    }
    PageWriter &style(bool bold, bool italic)
    {
        m_pen.bold = bold;
        m_pen.italic = italic;
        return *this;
    }
    PageWriter &indent(int points)
    {
        m_pen.indent = points;
        return *this;
    }
    // A text with line breaks makes one paragraph a line, all in the same look.
    PageWriter &append(const QString &text)
    {
        for (const QString &line : text.split(QStringLiteral("\r\n"))) {
            LookupLine next = m_pen;
            next.text = line;
            m_page.push_back(next);
        }
        return *this;
    }
    LookupPage take() { return std::move(m_page); }

private:
    LookupLine m_pen;
    LookupPage m_page;
};

void wordHeading(PageWriter &out, const QString &word)
{
    out.size(5).append(QString()).size(14).colour(kGrey).indent(5).append(word);
}

void webSearchFooter(PageWriter &out, const QString &word)
{
    out.indent(5).colour(kDimGrey).style(true, false).append(QStringLiteral("Search the web:"));
    out.indent(10);
    for (const QString &address : webSearchAddresses(word))
        out.size(8).append(address);
    out.size(8).colour(QColor(0, 0, 255)).style(false, false).append(QString());
}

LookupPage notFound(const QString &word)
{
    PageWriter out;
    out.size(5).append(QString()).size(14).colour(kGrey).indent(5).append(
        QStringLiteral("Not found"));
    out.size(5).append(QString()).size(9).colour(kOrange).append(
        QStringLiteral("The specified item was not found in the selected location."));
    out.append(QString());
    webSearchFooter(out, word);
    return out.take();
}

// Stray-marker-safe deletion loop shared by the tag and span cleaning: every round deletes
// at least one character, so it ends on every input.
QString removeBetween(QString text, const QString &open, const QString &close)
{
    qsizetype previous = 0;
    while (!text.isEmpty()) {
        const qsizetype a = text.indexOf(open);
        if (a < 0)
            break;
        const qsizetype b = text.indexOf(close);
        if (b < 0)
            break;
        if (a <= b)
            text.remove(a, b - a + 1);
        else if (previous <= b)
            // A closing marker before the first opening one: the rest of a span that began
            // before the text (or before the last opening marker) goes.
            text.remove(previous, b - previous + 1);
        else
            // That remembered start lies past the stray marker: only the marker goes.
            text.remove(b, 1);
        previous = a;
    }
    return text;
}

QString replaceCaseless(QString text, const QString &what, const QString &with)
{
    return text.replace(what, with, Qt::CaseInsensitive);
}

QString collapseSpaces(QString text)
{
    qsizetype at = 0;
    while ((at = text.indexOf(QStringLiteral("  "), at)) >= 0)
        text.remove(at, 1);
    return text;
}

QString cleanExtract(QString extract, const ReferenceSource &source, int section,
                     const QString &matchedStart)
{
    extract = trimmed(extract);
    if (section == 2 && source[F::Flags].contains(QLatin1Char('*')))
        extract = asciiLower(matchedStart) + extract;
    extract = trimmed(extract.replace(QLatin1Char('\t'), QLatin1Char(' ')));
    const QString spanStart = trimmed(source[F::SpanStart]);
    const QString spanEnd = trimmed(source[F::SpanEnd]);
    if (!spanStart.isEmpty() && !spanEnd.isEmpty())
        extract = removeSpans(extract, spanStart, spanEnd);
    extract.replace(QStringLiteral("<h"), kBreakMarker + QStringLiteral("^%^<h"));
    extract.replace(QStringLiteral("</h"), kBreakMarker + QStringLiteral("</h"));
    extract.replace(QStringLiteral("<td"), kBreakMarker + QStringLiteral("<td"));
    extract.replace(QStringLiteral("<div"), kBreakMarker + QStringLiteral("<div"));
    extract.replace(QStringLiteral("<li"), kBreakMarker + QStringLiteral("\u2022 <li"));
    extract.replace(kBreakMarker + kBreakMarker, kBreakMarker);
    extract = stripTags(extract);
    extract.replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
    extract = collapseSpaces(extract);
    extract.replace(kBreakMarker, QStringLiteral("\r\n"));
    extract.replace(QStringLiteral("( "), QStringLiteral("("))
        .replace(QStringLiteral(" )"), QStringLiteral(")"));
    return trimmed(extract);
}

// The first start alternative followed by any end alternative: the text between them
// (in the page's own case) and the start that matched.
bool findSection(const QString &page, const QString &lowerPage, const QString &starts,
                 const QString &ends, QString *extract, QString *matchedStart)
{
    for (const QString &start : starts.split(QLatin1Char('|'))) {
        if (start.isEmpty())
            continue;
        const qsizetype p = lowerPage.indexOf(asciiLower(start));
        if (p < 0)
            continue;
        const qsizetype from = p + start.size();
        for (const QString &end : ends.split(QLatin1Char('|'))) {
            if (end.isEmpty())
                continue;
            const qsizetype q = lowerPage.indexOf(asciiLower(end), from);
            if (q >= 0) {
                *extract = page.mid(from, q - from);
                *matchedStart = start;
                return true;
            }
        }
    }
    return false;
}

int hexValue(QChar c)
{
    if (isAsciiDigit(c))
        return c.unicode() - '0';
    const QChar lower = asciiLower(QString(c)).at(0);
    return lower >= QLatin1Char('a') && lower <= QLatin1Char('f') ? lower.unicode() - 'a' + 10 : -1;
}

bool isNumberedLine(const QString &line)
{
    const auto at = [&](qsizetype i) {
        return i < line.size() ? line.at(i) : QChar();
    };
    const bool numbered = isAsciiDigit(at(0)) && (line.mid(1, 2) == QStringLiteral(". ") ||
                                                  line.mid(2, 2) == QStringLiteral(". "));
    return numbered || (line.size() == 2 && at(1) == QLatin1Char('.')) ||
           (line.size() == 3 && at(2) == QLatin1Char('.'));
}

void appendDefinitions(PageWriter &out, const QString &extract)
{
    for (const QString &raw : extract.split(QStringLiteral("\r\n"))) {
        const QString line = trimmed(raw);
        if (line.isEmpty())
            continue;
        if (isNumberedLine(line)) {
            out.indent(5)
                .style(false, false)
                .colour(kNavy)
                .append(trimmed(line.left(3)) + QLatin1Char(' ') + trimmed(line.mid(3)));
            continue;
        }
        out.indent(10).size(9);
        if (line.startsWith(QStringLiteral("^%^"))) {
            out.append(QString());
            out.style(true, false).colour(Qt::black).append(trimmed(line.mid(3)));
        } else {
            out.style(false, false).colour(kDimGrey).append(line);
        }
    }
}

void appendSection(PageWriter &out, const QString &page, const QString &lowerPage,
                   const ReferenceSource &source, int section)
{
    const QString starts = trimmed(source.fields[F::Start1 + 2 * (section - 1)]);
    const QString ends = trimmed(source.fields[F::End1 + 2 * (section - 1)]);
    QString extract;
    QString matchedStart;
    if (starts.isEmpty() || ends.isEmpty() ||
        !findSection(page, lowerPage, starts, ends, &extract, &matchedStart))
        return;
    extract = cleanExtract(extract, source, section, matchedStart);
    if (section == 1) {
        out.style(false, true).colour(kDimGrey);
    } else if (section == 2) {
        out.style(false, true).colour(kNavy);
        for (int n = 1; n <= kFootnotes; ++n)
            extract.remove(QStringLiteral("[%1]").arg(n));
    } else {
        extract.remove(QLatin1Char('*'));
        QString rebuilt;
        for (const QString &item : extract.split(QLatin1Char(','))) {
            if (!trimmed(item).isEmpty())
                rebuilt += trimmed(item) + QStringLiteral("\r\n");
        }
        extract = rebuilt;
        out.colour(kMaroon);
    }
    out.indent(10).size(5).append(QString()).size(9);
    if (section == 2)
        appendDefinitions(out, extract);
    else if (!trimmed(extract).isEmpty())
        out.append(trimmed(extract));
}

void appendRelatedTopics(PageWriter &out, const QString &page, const ReferenceSource &source)
{
    const QString link = trimmed(source[F::TopicLink]);
    const QString opener = trimmed(source[F::End2]);
    if (link.isEmpty() || opener.isEmpty() || !page.contains(opener))
        return;
    QString region = page.mid(page.indexOf(opener) + opener.size());
    const qsizetype paragraph = region.indexOf(QStringLiteral("<p"));
    if (paragraph < 0)
        return;
    region.truncate(paragraph);
    const QStringList pieces = region.split(link);
    bool headed = false;
    for (qsizetype i = 1; i < pieces.size(); ++i) {
        QString piece = trimmed(pieces.at(i));
        const qsizetype quote = piece.indexOf(QLatin1Char('"'));
        if (quote < 0)
            continue;
        piece = trimmed(stripTags(piece.left(quote)));
        if (piece.isEmpty() || asciiLower(piece).contains(QStringLiteral("wik")))
            continue;
        if (!headed) {
            out.indent(0).size(8).append(QString()).colour(kDimGrey).append(kRule);
            out.style(true, false).append(QStringLiteral("Related topics:"));
            out.size(8).colour(Qt::black).indent(0);
            headed = true;
        }
        out.size(8).append(topicLinkPrefix() + trimmed(decodePercent(piece)));
    }
}

} // namespace

QString topicLinkPrefix()
{
    return QStringLiteral("http://\u2026/");
}

LookupPage searchingPage(const QString &word)
{
    PageWriter out;
    out.size(5).append(QString());
    out.size(14).colour(kGrey).indent(5).append(word);
    out.size(5).append(QString()).size(9).colour(kOrange).append(QStringLiteral("Searching..."));
    return out.take();
}

LookupPage resultPage(const QString &page, const ReferenceSource &source, const QString &word,
                      const QString &url)
{
    if (page.isEmpty())
        return notFound(word);
    const QString lowerPage = asciiLower(page);
    for (const QString &marker : trimmed(source[F::NotFound]).split(QLatin1Char('|'))) {
        const QString lower = asciiLower(trimmed(marker));
        if (!lower.isEmpty() && lowerPage.contains(lower))
            return notFound(word);
    }
    PageWriter out;
    wordHeading(out, word);
    for (int section = 1; section <= 3; ++section)
        appendSection(out, page, lowerPage, source, section);
    appendRelatedTopics(out, page, source);
    out.indent(2)
        .colour(kDimGrey)
        .style(true, false)
        .append(QString())
        .append(kRule)
        .append(QStringLiteral("Source:"));
    out.size(8).append(url).append(QString());
    webSearchFooter(out, word);
    return out.take();
}

QString stripTags(const QString &text)
{
    QString stripped = removeBetween(text, QStringLiteral("<"), QStringLiteral(">"));
    if (stripped.isEmpty())
        return stripped;
    stripped = replaceCaseless(stripped, QStringLiteral("&nbsp;"), QStringLiteral(" "));
    stripped = replaceCaseless(stripped, QStringLiteral("&quot;"), QStringLiteral("\""));
    return replaceCaseless(stripped, QStringLiteral("&amp;"), QStringLiteral("&"));
}

QString removeSpans(const QString &text, const QString &start, const QString &end)
{
    return removeBetween(text, start, end);
}

QString decodePercent(const QString &text)
{
    QString decoded;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('%')) {
            decoded += c;
            continue;
        }
        if (i + 2 >= text.size())
            continue; // a "%" without two characters after it is dropped
        const int high = hexValue(text.at(i + 1));
        const int low = hexValue(text.at(i + 2));
        const int value = high * 16 + low;
        if (high >= 0 && low >= 0 && value >= 1) {
            const char byte = char(value);
            decoded += decodeWindows1252(QByteArrayView(&byte, 1));
            i += 2;
        }
        // Otherwise the "%" is dropped and the two characters follow as they are.
    }
    return decoded;
}

} // namespace calmdesk
