// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QStringList>
#include <QStringView>

namespace calmdesk {

// A stretch of the canonical text (line breaks count two).
struct WordRange
{
    int start = 0;
    int length = 0;

    friend bool operator==(const WordRange &, const WordRange &) = default;
};

struct ParagraphPosition
{
    int index = 0;
    // Canonical position of the paragraph's first character.
    int start = 0;
};

// The paragraph holding canonical `position` (a position in a break belongs to the
// paragraph before it; one past the end to the last).
ParagraphPosition paragraphAt(const QStringList &paragraphs, int position);

// Whole paragraphs around the caret's: from its paragraph on both sides, each side until
// it holds at least `reach` characters or meets the text's end. The stretch the writer
// most likely sees, judged before the rest of a long text.
WordRange paragraphsAround(const QStringList &paragraphs, int caret, int reach);

// The letters and digits around the caret: back from the caret to the first other
// character, then on to the next. Empty (length 0) when none touch the caret.
WordRange wordAtCaret(const QStringList &paragraphs, int caret);

// What changes one list of marks into another (both sorted, not overlapping): the ranges
// to unmark and the ranges to mark. Marks in both are left alone, so they never flicker.
struct MarkChanges
{
    QList<WordRange> removed;
    QList<WordRange> added;
};
MarkChanges markChanges(const QList<WordRange> &current, const QList<WordRange> &wanted);

} // namespace calmdesk
