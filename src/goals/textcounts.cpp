// SPDX-License-Identifier: GPL-3.0-or-later
#include "goals/textcounts.h"

#include "core/asciitext.h"
#include "goals/textroutines.h"

#include <algorithm>
#include <array>

namespace calmdesk {

namespace {

constexpr QChar kSpace = QLatin1Char(' ');
constexpr QChar kCr = QLatin1Char('\r');
constexpr QChar kLf = QLatin1Char('\n');

// Replaced by a space before the text is split into words, in this order.
constexpr std::array<char16_t, 9> kWordSeparators = {u'.', u',', u';',  u':', u'!',
                                                     u'?', u'"', u'\r', u'\n'};

bool isWordSeparator(char16_t c)
{
    switch (c) {
    case u' ':
    case u'.':
    case u',':
    case u';':
    case u':':
    case u'!':
    case u'?':
    case u'"':
    case u'\r':
    case u'\n':
        return true;
    default:
        return false;
    }
}

// The second half of a surrogate pair, which adds no character of its own.
bool continuesCharacter(QStringView text, qsizetype i)
{
    return i > 0 && text[i].isLowSurrogate() && text[i - 1].isHighSurrogate();
}

// A piece between separators, trimmed: long enough, or one letter or digit.
bool isWord(const QString &piece)
{
    const qsizetype length = characterCount(piece);
    return length > 1 || (length == 1 && isAlphaNumeric(piece.front()));
}

} // namespace

qsizetype characterCount(QStringView text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!continuesCharacter(text, i))
            ++count;
    }
    return count;
}

quint32 countWords(const QString &text, quint32 *solidChars)
{
    if (text.isEmpty()) {
        if (solidChars)
            *solidChars = 0;
        return 0;
    }
    QString s = text;
    for (const char16_t separator : kWordSeparators)
        s.replace(QChar(separator), kSpace);

    quint32 words = 0;
    const QStringList pieces = splitString(QString(kSpace), s);
    for (const QString &piece : pieces) {
        if (isWord(trimmed(piece)))
            ++words;
    }
    if (solidChars)
        *solidChars = quint32(characterCount(s) - countOccurrences(QString(kSpace), s));
    return words;
}

TextCounts countText(const QString &text)
{
    TextCounts counts;
    const bool crBreaks = text.contains(kCr);
    const QString lineBreak = crBreaks ? QStringLiteral("\r\n") : QString(kLf);
    const quint32 breaks = quint32(text.count(crBreaks ? kCr : kLf));

    const qsizetype characters = characterCount(text) - qsizetype(breaks) * lineBreak.size();
    // Only a lone CR in a CR LF text could take this below 0.
    counts.characters = quint32(std::max<qsizetype>(characters, 0));
    counts.paragraphBreaks = breaks - quint32(countOccurrences(lineBreak + lineBreak, text));
    counts.words = countWords(text, &counts.solidChars);
    return counts;
}

ParagraphFigures countParagraph(QStringView paragraph)
{
    ParagraphFigures figures;
    // The piece being read: its characters from the first to the last one above
    // code 32 (the part that survives trimming), and the trimmable ones seen since.
    qsizetype kept = 0;
    qsizetype pendingTrimmable = 0;
    QChar first;
    const auto endPiece = [&] {
        if (kept > 1 || (kept == 1 && isAlphaNumeric(first)))
            ++figures.words;
        kept = 0;
        pendingTrimmable = 0;
    };

    for (qsizetype i = 0; i < paragraph.size(); ++i) {
        if (continuesCharacter(paragraph, i))
            continue;
        const QChar c = paragraph[i];
        ++figures.characters;
        if (isWordSeparator(c.unicode())) {
            endPiece();
            continue;
        }
        ++figures.solidChars;
        if (isTrimmable(c)) {
            if (kept > 0)
                ++pendingTrimmable;
        } else if (kept == 0) {
            kept = 1;
            first = c;
        } else {
            kept += pendingTrimmable + 1;
            pendingTrimmable = 0;
        }
    }
    endPiece();
    return figures;
}

} // namespace calmdesk
