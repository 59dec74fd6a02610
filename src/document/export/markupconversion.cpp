// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/export/markupconversion.h"

#include "core/asciitext.h"

#include <algorithm>
#include <array>
#include <vector>

namespace calmdesk {

namespace {

// The tags in the order they are handled, with the style each stands for.
enum StyleBit : quint8 { Bold = 1, Underline = 2, Italic = 4 };
struct Tag
{
    char16_t letter;
    StyleBit style;
};
constexpr std::array<Tag, 3> kTags = {{{u'b', Bold}, {u'u', Underline}, {u'i', Italic}}};

QString tagText(const char *before, char16_t letter)
{
    return QLatin1String(before) + QChar(letter) + QLatin1Char(before[0] == '<' ? '>' : ']');
}

// Every occurrence of `needle` (ASCII letters in any case) replaced.
QString replaceIgnoringCase(const QString &text, const QString &needle, const QString &with)
{
    const QString lower = asciiLower(text);
    const QString lowerNeedle = asciiLower(needle);
    qsizetype found = lower.indexOf(lowerNeedle);
    if (found < 0)
        return text;
    QString out;
    out.reserve(text.size());
    qsizetype from = 0;
    while (found >= 0) {
        out.append(QStringView(text).sliced(from, found - from));
        out.append(with);
        from = found + needle.size();
        found = lower.indexOf(lowerNeedle, from);
    }
    out.append(QStringView(text).sliced(from));
    return out;
}

// The text with its characters' styles, in one buffer with a gap where the last deletion
// was: deleting tag after tag costs only the distance between them, never the text after.
class StyledText
{
public:
    explicit StyledText(const QString &text)
        : m_chars(text.begin(), text.end())
        , m_styles(m_chars.size(), 0)
        , m_gapStart(qsizetype(m_chars.size()))
        , m_gapEnd(m_gapStart)
    {}

    qsizetype size() const { return qsizetype(m_chars.size()) - gap(); }
    char16_t at(qsizetype i) const { return m_chars[index(i)].unicode(); }
    quint8 styleAt(qsizetype i) const { return m_styles[index(i)]; }

    qsizetype find(const QString &needle, qsizetype from) const
    {
        const qsizetype last = size() - needle.size();
        for (qsizetype i = std::max<qsizetype>(from, 0); i <= last; ++i) {
            qsizetype k = 0;
            while (k < needle.size() && at(i + k) == needle.at(k).unicode())
                ++k;
            if (k == needle.size())
                return i;
        }
        return -1;
    }

    void erase(qsizetype position, qsizetype count)
    {
        moveGap(position);
        m_gapEnd += count;
    }

    void addStyle(qsizetype from, qsizetype to, quint8 style)
    {
        for (qsizetype i = from; i < to; ++i)
            m_styles[index(i)] |= style;
    }

private:
    qsizetype gap() const { return m_gapEnd - m_gapStart; }
    std::size_t index(qsizetype i) const { return std::size_t(i < m_gapStart ? i : i + gap()); }

    void moveGap(qsizetype position)
    {
        if (position < m_gapStart) {
            const qsizetype count = m_gapStart - position;
            std::move_backward(m_chars.begin() + position, m_chars.begin() + m_gapStart,
                               m_chars.begin() + m_gapEnd);
            std::move_backward(m_styles.begin() + position, m_styles.begin() + m_gapStart,
                               m_styles.begin() + m_gapEnd);
            m_gapStart -= count;
            m_gapEnd -= count;
        } else if (position > m_gapStart) {
            const qsizetype count = position - m_gapStart;
            std::move(m_chars.begin() + m_gapEnd, m_chars.begin() + m_gapEnd + count,
                      m_chars.begin() + m_gapStart);
            std::move(m_styles.begin() + m_gapEnd, m_styles.begin() + m_gapEnd + count,
                      m_styles.begin() + m_gapStart);
            m_gapStart += count;
            m_gapEnd += count;
        }
    }

    std::vector<QChar> m_chars;
    std::vector<quint8> m_styles;
    qsizetype m_gapStart;
    qsizetype m_gapEnd;
};

// Each opening tag in turn takes the text up to the next closing tag. Removing tags can
// join the characters around them into a new tag, which then counts like any other: the
// search for the next opening tag starts just before the last one's place.
void applyTag(StyledText &text, const Tag &tag)
{
    const QString opener = tagText("[", tag.letter);
    const QString closer = tagText("[/", tag.letter);
    qsizetype from = 0;
    for (;;) {
        const qsizetype start = text.find(opener, from);
        if (start < 0)
            return;
        text.erase(start, opener.size());
        const qsizetype end = text.find(closer, start);
        if (end < 0)
            return;
        text.erase(end, closer.size());
        text.addStyle(start, end, tag.style);
        from = start - (opener.size() - 1);
    }
}

RichFormat styled(RichFormat format, quint8 style)
{
    format.bold = format.bold || (style & Bold);
    format.underline = format.underline || (style & Underline);
    format.italic = format.italic || (style & Italic);
    return format;
}

} // namespace

RichText richTextFromTags(const QString &plain, TagStyle style, const RichFormat &base)
{
    if (style == TagStyle::None || plain.isEmpty())
        return plain.isEmpty() ? RichText{} : RichText{RichRun{plain, base}};

    QString text = plain;
    for (const Tag &tag : kTags) {
        if (style == TagStyle::Html) {
            text = replaceIgnoringCase(text, tagText("<", tag.letter), tagText("[", tag.letter));
            text = replaceIgnoringCase(text, tagText("</", tag.letter), tagText("[/", tag.letter));
        }
        const char16_t upper = char16_t(tag.letter - u'a' + u'A');
        text.replace(tagText("[", upper), tagText("[", tag.letter));
        text.replace(tagText("[/", upper), tagText("[/", tag.letter));
    }

    StyledText styledText(text);
    for (const Tag &tag : kTags)
        applyTag(styledText, tag);

    RichText runs;
    QString piece;
    quint8 pieceStyle = 0;
    const qsizetype size = styledText.size();
    for (qsizetype i = 0; i < size; ++i) {
        const quint8 charStyle = styledText.styleAt(i);
        if (charStyle != pieceStyle) {
            appendRun(runs, piece, styled(base, pieceStyle));
            piece.clear();
            pieceStyle = charStyle;
        }
        piece.append(QChar(styledText.at(i)));
    }
    appendRun(runs, piece, styled(base, pieceStyle));
    return runs;
}

HtmlText htmlFromTags(const QString &plain, TagStyle style)
{
    QString text = plain;
    if (style != TagStyle::None) {
        for (const Tag &tag : kTags) {
            text = replaceIgnoringCase(text, tagText("[", tag.letter), tagText("<", tag.letter));
            text = replaceIgnoringCase(text, tagText("[/", tag.letter), tagText("</", tag.letter));
            const char16_t upper = char16_t(tag.letter - u'a' + u'A');
            text.replace(tagText("<", upper), tagText("<", tag.letter));
            text.replace(tagText("</", upper), tagText("</", tag.letter));
        }
    }

    const QString cr = QStringLiteral("\r");
    const QString lf = QStringLiteral("\n");
    const QString crlf = QStringLiteral("\r\n");
    const QString br = text.contains(cr) ? cr : lf;
    const QString sep = text.contains(crlf) ? crlf : br;

    // Every line a paragraph: each line end closes one and opens the next.
    text.replace(br, br + QStringLiteral("</p>") + sep + QStringLiteral("<p>"));
    text = QStringLiteral("<p>") + sep + text + QStringLiteral("</p>");

    // A text ending in a line end leaves no empty paragraph behind.
    for (const QString &end : {cr, lf, crlf}) {
        const QString empty = QStringLiteral("<p>") + end + QStringLiteral("</p>");
        if (text.endsWith(empty)) {
            text.chop(empty.size());
            text.append(end);
        }
    }
    return HtmlText{text, sep};
}

QString htmlPage(const HtmlText &body, const QString &title, const QString &fontFamily,
                 int fontSize)
{
    const QString &sep = body.lineEnd;
    QString page;
    page.reserve(body.html.size() + 512);
    const auto line = [&page, &sep](const QString &text) {
        page.append(text);
        page.append(sep);
    };
    line(QStringLiteral("<html>"));
    line(QStringLiteral("    <head>"));
    // Written as UTF-8, so that every character of the text survives.
    line(QStringLiteral("        <meta charset=\"utf-8\">"));
    line(QStringLiteral("        <title>") + title + QStringLiteral("</title>"));
    line(QStringLiteral("        <style>"));
    line(QStringLiteral("            body { background:#ffffff; color:#000000; font-family:'") +
         fontFamily + QStringLiteral("'; font-size:") + QString::number(fontSize) +
         QStringLiteral("pt; }"));
    line(QStringLiteral("        </style>"));
    line(QStringLiteral("    </head>"));
    line(QStringLiteral("    <body>"));
    page.append(body.html);
    line(QStringLiteral("    </body>"));
    line(QStringLiteral("</html>"));
    return page;
}

} // namespace calmdesk
