// SPDX-License-Identifier: GPL-3.0-or-later
#include "aids/spelling/wordranges.h"

#include "core/asciitext.h"

namespace calmdesk {

namespace {

constexpr int kBreakLength = 2;

} // namespace

ParagraphPosition paragraphAt(const QStringList &paragraphs, int position)
{
    ParagraphPosition at;
    const int count = int(paragraphs.size());
    while (at.index + 1 < count &&
           position >= at.start + int(paragraphs[at.index].size()) + kBreakLength) {
        at.start += int(paragraphs[at.index].size()) + kBreakLength;
        ++at.index;
    }
    return at;
}

WordRange paragraphsAround(const QStringList &paragraphs, int caret, int reach)
{
    if (paragraphs.isEmpty())
        return {};
    const ParagraphPosition at = paragraphAt(paragraphs, caret);
    const int count = int(paragraphs.size());
    const auto span = [&](int index) {
        return int(paragraphs[index].size()) + kBreakLength;
    };
    int start = at.start;
    for (int index = at.index, before = 0; index > 0 && before < reach; --index) {
        before += span(index - 1);
        start -= span(index - 1);
    }
    int end = at.start + int(paragraphs[at.index].size());
    for (int index = at.index + 1, after = 0; index < count && after < reach; ++index) {
        after += span(index);
        end += span(index);
    }
    return {start, end - start};
}

WordRange wordAtCaret(const QStringList &paragraphs, int caret)
{
    if (paragraphs.isEmpty())
        return {};
    const ParagraphPosition at = paragraphAt(paragraphs, caret);
    const QStringView text = paragraphs[at.index];
    const int offset = std::clamp(caret - at.start, 0, int(text.size()));
    int start = offset;
    while (start > 0 && isAsciiLetterOrDigit(text[start - 1]))
        --start;
    int end = start;
    while (end < text.size() && isAsciiLetterOrDigit(text[end]))
        ++end;
    return {at.start + start, end - start};
}

MarkChanges markChanges(const QList<WordRange> &current, const QList<WordRange> &wanted)
{
    MarkChanges changes;
    qsizetype i = 0;
    qsizetype j = 0;
    const auto before = [](const WordRange &a, const WordRange &b) {
        return a.start < b.start || (a.start == b.start && a.length < b.length);
    };
    while (i < current.size() || j < wanted.size()) {
        if (j == wanted.size() || (i < current.size() && before(current[i], wanted[j]))) {
            changes.removed.append(current[i++]);
        } else if (i == current.size() || before(wanted[j], current[i])) {
            changes.added.append(wanted[j++]);
        } else {
            ++i;
            ++j;
        }
    }
    return changes;
}

} // namespace calmdesk
