// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFlags>
#include <QStringList>

class QChar;
class QString;
class QTextDocument;

namespace calmdesk {

enum class FindFlag {
    NoFlags = 0x0,
    // Letters must match exactly; without it only ASCII A-Z and a-z fold together.
    MatchCase = 0x1,
    // The match is neither preceded nor followed by a word character (a letter or
    // digit of any script, a combining mark, or the underscore).
    WholeWord = 0x2,
};
Q_DECLARE_FLAGS(FindFlags, FindFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(FindFlags)

// A stretch of text: `length` characters from `start`.
struct TextRange
{
    int start = 0;
    int length = 0;

    friend bool operator==(const TextRange &, const TextRange &) = default;
};

namespace textsearch {

// True for the characters that make up a word in a whole-word search.
bool isWordCharacter(QChar c);

// The first match of needle in haystack lying wholly inside [from, end), or -1.
// The characters just outside the range still decide whole-word matches; the
// haystack's own ends count as word boundaries.
int findInString(const QString &haystack, const QString &needle, int from, int end,
                 FindFlags flags);

// The same search over the canonical text of a document (CR LF breaks), in
// canonical positions, without building the whole text when the needle holds no
// line break.
int findInDocument(const QTextDocument &document, const QString &needle, int from, int end,
                   FindFlags flags);

// Every match of needle in the text that `paragraphs` make when joined by CR LF, left to
// right and never overlapping (a match ends before the next one starts), in positions of
// that text. A needle holding a break is searched in the joined text; any other needle
// paragraph by paragraph, as it can never reach across a break.
QList<TextRange> findAllInParagraphs(const QStringList &paragraphs, const QString &needle,
                                     FindFlags flags);
// How many matches findAllInParagraphs would give, without listing them.
int countInParagraphs(const QStringList &paragraphs, const QString &needle, FindFlags flags);

} // namespace textsearch
} // namespace calmdesk
