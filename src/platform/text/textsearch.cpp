// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text/textsearch.h"

#include "platform/text/positionmap.h"
#include "platform/text/widgetbreaks.h"

#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace calmdesk::textsearch {

namespace {

constexpr char16_t Underscore = u'_';

char16_t asciiLower(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c - u'A' + u'a') : c;
}

QString asciiLowered(const QString &text)
{
    QString result = text;
    for (QChar &c : result)
        c = QChar(asciiLower(c.unicode()));
    return result;
}

bool isWholeWordAt(const QString &haystack, int index, int length)
{
    const bool startsWord = index == 0 || !isWordCharacter(haystack.at(index - 1));
    const int after = index + length;
    const bool endsWord = after >= haystack.size() || !isWordCharacter(haystack.at(after));
    return startsWord && endsWord;
}

// Calls onMatch(index) for every match of needle in haystack from the left, each one
// starting after the previous one ended.
template<typename OnMatch>
void forEachMatch(const QString &haystack, const QString &needle, FindFlags flags,
                  OnMatch &&onMatch)
{
    const qsizetype length = needle.size();
    if (length == 0 || haystack.size() < length)
        return;
    const bool matchCase = flags.testFlag(FindFlag::MatchCase);
    const bool wholeWord = flags.testFlag(FindFlag::WholeWord);
    const QString foldedHaystack = matchCase ? QString() : asciiLowered(haystack);
    const QString &searched = matchCase ? haystack : foldedHaystack;
    const QString foldedNeedle = matchCase ? needle : asciiLowered(needle);
    qsizetype at = searched.indexOf(foldedNeedle);
    while (at >= 0) {
        if (!wholeWord || isWholeWordAt(haystack, int(at), int(length))) {
            onMatch(int(at));
            at = searched.indexOf(foldedNeedle, at + length);
        } else {
            at = searched.indexOf(foldedNeedle, at + 1);
        }
    }
}

// forEachMatch over the paragraphs joined by CR LF, with positions in the joined text.
template<typename OnMatch>
void forEachMatchInParagraphs(const QStringList &paragraphs, const QString &needle, FindFlags flags,
                              OnMatch &&onMatch)
{
    if (needle.isEmpty())
        return;
    if (widgetbreaks::containsBreak(needle)) {
        forEachMatch(paragraphs.join(QStringLiteral("\r\n")), needle, flags, onMatch);
        return;
    }
    // The needle cannot reach across a break, and a break is never a word character: each
    // paragraph is searched on its own, and the text is never joined.
    int paragraphStart = 0;
    for (const QString &paragraph : paragraphs) {
        forEachMatch(paragraph, needle, flags, [&](int index) { onMatch(paragraphStart + index); });
        paragraphStart += int(paragraph.size()) + 2;
    }
}

} // namespace

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c.isMark() || c.unicode() == Underscore;
}

int findInString(const QString &haystack, const QString &needle, int from, int end, FindFlags flags)
{
    const int length = int(needle.size());
    const int start = std::max(from, 0);
    const int stop = std::min(end, int(haystack.size()));
    if (length == 0 || stop - start < length)
        return -1;

    const bool matchCase = flags.testFlag(FindFlag::MatchCase);
    const QString foldedHaystack = matchCase ? QString() : asciiLowered(haystack);
    const QString &searched = matchCase ? haystack : foldedHaystack;
    const QString foldedNeedle = matchCase ? needle : asciiLowered(needle);

    const int lastStart = stop - length;
    for (qsizetype at = searched.indexOf(foldedNeedle, start); at >= 0 && at <= lastStart;
         at = searched.indexOf(foldedNeedle, at + 1)) {
        if (!flags.testFlag(FindFlag::WholeWord) || isWholeWordAt(haystack, int(at), length))
            return int(at);
    }
    return -1;
}

int findInDocument(const QTextDocument &document, const QString &needle, int from, int end,
                   FindFlags flags)
{
    const int start = std::max(from, 0);
    const int stop = std::min(end, positionmap::canonicalLength(document));
    if (needle.isEmpty() || stop - start < needle.size())
        return -1;

    if (widgetbreaks::containsBreak(needle)) {
        QString text = document.toRawText();
        return findInString(widgetbreaks::toCanonicalBreaks(text), needle, start, stop, flags);
    }

    // A needle without breaks matches inside one paragraph; a paragraph's ends are
    // breaks, which are never word characters, so each block is searched alone.
    QTextBlock block = document.findBlock(positionmap::toWidget(document, start));
    for (; block.isValid(); block = block.next()) {
        const int blockStart = block.position() + block.blockNumber();
        if (blockStart > stop - needle.size())
            break;
        const QString text = block.text();
        const int hit = findInString(text, needle, start - blockStart, stop - blockStart, flags);
        if (hit >= 0)
            return blockStart + hit;
    }
    return -1;
}

QList<TextRange> findAllInParagraphs(const QStringList &paragraphs, const QString &needle,
                                     FindFlags flags)
{
    QList<TextRange> matches;
    const int length = int(needle.size());
    forEachMatchInParagraphs(paragraphs, needle, flags, [&](int start) {
        matches.append({start, length});
    });
    return matches;
}

int countInParagraphs(const QStringList &paragraphs, const QString &needle, FindFlags flags)
{
    int count = 0;
    forEachMatchInParagraphs(paragraphs, needle, flags, [&](int) { ++count; });
    return count;
}

} // namespace calmdesk::textsearch
