// SPDX-License-Identifier: GPL-3.0-or-later
#include "goals/documentstatistics.h"

#include "platform/text/textcontrol.h"

namespace calmdesk {

DocumentStatistics::DocumentStatistics(TextControl *control, QObject *parent)
    : QObject(parent)
    , m_control(control)
{
    connect(m_control, &TextControl::paragraphsChanged, this,
            &DocumentStatistics::onParagraphsChanged);
}

bool DocumentStatistics::takeChange()
{
    refresh();
    const bool changed = m_changedSinceTaken;
    m_changedSinceTaken = false;
    return changed;
}

TextCounts DocumentStatistics::counts()
{
    refresh();
    return m_counter.counts();
}

void DocumentStatistics::refresh()
{
    if (m_recountAll) {
        recountAll();
        return;
    }
    if (m_pending.isEmpty())
        return;
    const int first = m_pending.first();
    const int end = m_pending.end();
    const int removed = m_pending.removed();
    m_pending.clear();
    if (first < 0 || removed < 0 || first + removed > m_counter.paragraphCount() ||
        end > m_control->paragraphCount()) {
        recountAll();
        return;
    }
    QStringList paragraphs;
    paragraphs.reserve(end - first);
    for (int i = first; i < end; ++i)
        paragraphs.append(m_control->paragraphText(i));
    if (m_counter.replaceParagraphs(first, removed, paragraphs))
        m_changedSinceTaken = true;
}

void DocumentStatistics::recountAll()
{
    m_recountAll = false;
    m_pending.clear();
    QStringList paragraphs;
    const int count = m_control->paragraphCount();
    paragraphs.reserve(count);
    for (int i = 0; i < count; ++i)
        paragraphs.append(m_control->paragraphText(i));
    if (m_counter.replaceParagraphs(0, m_counter.paragraphCount(), paragraphs))
        m_changedSinceTaken = true;
}

void DocumentStatistics::onParagraphsChanged(int first, int removed, int added)
{
    m_pending.add(first, removed, added);
}

} // namespace calmdesk
