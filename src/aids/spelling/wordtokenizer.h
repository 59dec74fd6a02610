// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

namespace calmdesk {

// What the tokenizer knows of the sentence around the word it delimits.
struct SentenceState
{
    // 1-based position of the boundary before; 0 at the start.
    int lastBoundary = 0;
    // That boundary was ".", "!", "?", CR or LF.
    bool sentenceEndSeen = false;
    // The word just delimited starts a sentence.
    bool capitalNext = false;
};

// A stretch the tokenizer reads: a paragraph, and the CR LF after it unless it is the
// text's last.
struct TextSpan
{
    QStringView text;
    bool breakFollows = false;

    int length() const { return int(text.size()) + (breakFollows ? 2 : 0); }
    // The character at 1-based `position`; a null character outside the span.
    QChar at(int position) const;
};

// One tokenizer step: from 1-based `from` (0 counts as 1), the 0-based index of the
// boundary that ends the word there, or the span's length + 1 when the word runs to the
// end (the state is then left as it was). A word is letters and digits, with an
// apostrophe between letters ("don't") and "e.g."-like pairs. Every boundary updates
// `state`: the word after a sentence end and one space, or after a line break, starts a
// sentence.
int nextWordEnd(const TextSpan &span, int from, SentenceState &state);
inline int nextWordEnd(QStringView text, int from, SentenceState &state)
{
    return nextWordEnd(TextSpan{text, false}, from, state);
}

// Whether the text's last word, which no boundary follows, starts a sentence: the same
// rule as for any other word (a word does not inherit the flag of the word before it).
bool startsSentenceAtEnd(const TextSpan &span, SentenceState state);

struct WalkedWord
{
    QStringView word;
    // Canonical position (line breaks count two).
    int start = 0;
    // The first word of the text, or one the tokenizer saw start a sentence.
    bool startsSentence = false;
};

// Walks the words of a text given as its paragraphs (joined by CR LF) and calls `visit`
// for each one to be judged (not empty, not all digits) that ends after `from`, in order,
// until `visit` returns false. Every walk starts with a fresh tokenizer: the state at a
// paragraph's start is always the same, so a walk from the middle of a text starts at
// that paragraph and sees every word as a walk from the top would. Returns false when
// stopped by `visit`.
bool walkWords(const QStringList &paragraphs, int from,
               const std::function<bool(const WalkedWord &)> &visit);

enum class WordVerdict { Good, Misspelled, Miscapitalised };

// A known word that starts a sentence with a small letter is miscapitalised.
WordVerdict judgeWord(bool known, const WalkedWord &word);

} // namespace calmdesk
