// SPDX-License-Identifier: GPL-3.0-or-later
#include "goals/pendingedit.h"

#include <algorithm>

namespace calmdesk {

void PendingEdit::add(int first, int removed, int added)
{
    const int editEnd = first + added;
    if (!m_any) {
        m_first = first;
        m_end = editEnd;
        m_delta = added - removed;
        m_any = true;
        return;
    }
    // An end after the edit moves by the edit's change in size; an end before the
    // edit, or inside what it removed, ends up at or below editEnd, which the span
    // reaches in any case.
    m_first = std::min(m_first, first);
    m_end = std::max(m_end + added - removed, editEnd);
    m_delta += added - removed;
}

} // namespace calmdesk
