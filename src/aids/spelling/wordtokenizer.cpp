// SPDX-License-Identifier: GPL-3.0-or-later
#include "aids/spelling/wordtokenizer.h"

#include "core/asciitext.h"

#include <algorithm>

namespace calmdesk {

namespace {

bool endsSentence(QChar c)
{
    switch (c.unicode()) {
    case '.':
    case '!':
    case '?':
    case '\r':
    case '\n':
        return true;
    default:
        return false;
    }
}

bool isAllDigits(QStringView word)
{
    return std::all_of(word.begin(), word.end(), isAsciiDigit);
}

bool isSentenceEndAndSpace(QChar before, QChar boundary)
{
    return boundary == QLatin1Char(' ') &&
           (before == QLatin1Char('.') || before == QLatin1Char('!') || before == QLatin1Char('?'));
}

} // namespace

QChar TextSpan::at(int position) const
{
    const int n = int(text.size());
    if (position >= 1 && position <= n)
        return text[position - 1];
    if (breakFollows && position == n + 1)
        return QLatin1Char('\r');
    if (breakFollows && position == n + 2)
        return QLatin1Char('\n');
    return QChar();
}

int nextWordEnd(const TextSpan &span, int from, SentenceState &state)
{
    const int n = span.length();
    int i = std::max(from, 1);
    while (i <= n) {
        const QChar c = span.at(i);
        if (isAsciiLetterOrDigit(c)) {
            ++i;
            continue;
        }
        const bool letterBefore = isAsciiLetter(span.at(i - 1));
        const bool letterAfter = isAsciiLetter(span.at(i + 1));
        if (c == QLatin1Char('\'') && letterBefore && letterAfter) {
            ++i;
            continue;
        }
        if (c == QLatin1Char('.') && letterBefore && letterAfter &&
            span.at(i + 2) == QLatin1Char('.')) {
            i += 3;
            continue;
        }
        // A boundary.
        if (!isSentenceEndAndSpace(span.at(state.lastBoundary - 1), span.at(state.lastBoundary)))
            state.capitalNext = false;
        if (state.sentenceEndSeen) {
            state.capitalNext = true;
            state.sentenceEndSeen = false;
        }
        if (endsSentence(c))
            state.sentenceEndSeen = true;
        state.lastBoundary = i;
        return i - 1;
    }
    return n + 1;
}

bool startsSentenceAtEnd(const TextSpan &span, SentenceState state)
{
    // As the next boundary would decide, had one followed.
    if (!isSentenceEndAndSpace(span.at(state.lastBoundary - 1), span.at(state.lastBoundary)))
        state.capitalNext = false;
    return state.capitalNext || state.sentenceEndSeen;
}

bool walkWords(const QStringList &paragraphs, int from,
               const std::function<bool(const WalkedWord &)> &visit)
{
    const int count = int(paragraphs.size());
    from = std::max(from, 0);
    int paragraph = 0;
    int paragraphStart = 0;
    while (paragraph + 1 < count && from >= paragraphStart + paragraphs[paragraph].size() + 2) {
        paragraphStart += int(paragraphs[paragraph].size()) + 2;
        ++paragraph;
    }

    SentenceState state;
    if (paragraph > 0) {
        // As a walk from the top leaves it after any CR LF.
        state.sentenceEndSeen = true;
        state.capitalNext = true;
    }
    for (; paragraph < count; ++paragraph) {
        const QString &text = paragraphs[paragraph];
        const TextSpan span{text, paragraph + 1 < count};
        const int textLength = int(text.size());
        int pos = 0;
        // The walk's first step: a one-letter first word of the text is left alone.
        if (paragraph == 0 && nextWordEnd(span, 0, state) == 1)
            pos = 1;
        // The last paragraph's walk reaches its end; any other's runs through its break.
        const int last = span.breakFollows ? span.length() - 1 : textLength;
        while (pos <= last) {
            const int end = nextWordEnd(span, pos + 1, state);
            const int length = std::min(end, textLength) - pos;
            if (length > 0) {
                const QStringView word = span.text.mid(pos, length);
                const int start = paragraphStart + pos;
                if (start + length > from && !isAllDigits(word)) {
                    const bool sentence =
                        end > span.length() ? startsSentenceAtEnd(span, state) : state.capitalNext;
                    const WalkedWord walked{word, start, (paragraph == 0 && pos == 0) || sentence};
                    if (!visit(walked))
                        return false;
                }
            }
            pos = end + 1;
        }
        // The next paragraph's positions start after this one's break.
        state.lastBoundary -= span.length();
        paragraphStart += span.length();
    }
    return true;
}

WordVerdict judgeWord(bool known, const WalkedWord &word)
{
    if (!known)
        return WordVerdict::Misspelled;
    if (word.startsSentence && isAsciiLower(word.word.front()))
        return WordVerdict::Miscapitalised;
    return WordVerdict::Good;
}

} // namespace calmdesk
