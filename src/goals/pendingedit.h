// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace calmdesk {

// Several paragraph edits merged into one: after them, paragraphs [first, end) of
// the text replace `removed()` paragraphs from `first` of the text before them.
// Paragraphs between the edits are included, so the span may be wider than needed,
// never narrower.
class PendingEdit
{
public:
    bool isEmpty() const { return !m_any; }
    // Another edit, in the numbering of the text as it is after the previous ones:
    // `removed` paragraphs from `first` were replaced by `added` ones.
    void add(int first, int removed, int added);
    void clear() { *this = PendingEdit(); }

    int first() const { return m_first; }
    int end() const { return m_end; }
    int removed() const { return m_end - m_first - m_delta; }

private:
    int m_first = 0;
    int m_end = 0;
    int m_delta = 0;
    bool m_any = false;
};

} // namespace calmdesk
