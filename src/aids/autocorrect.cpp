// SPDX-License-Identifier: GPL-3.0-or-later
#include "aids/autocorrect.h"

#include "platform/text/textcontrol.h"

#include <QAction>
#include <QScopedValueRollback>

namespace calmdesk {

AutoCorrect::AutoCorrect(TextControl *txtMain, QAction *mnuAC, QObject *parent)
    : QObject(parent)
    , m_txtMain(txtMain)
    , m_mnuAC(mnuAC)
{
    m_mnuAC->setEnabled(false);
}

void AutoCorrect::setRules(const QStringList &find, const QStringList &replace)
{
    m_rules.setRules(find, replace);
}

void AutoCorrect::clearRecord()
{
    m_state = UndoState::None;
    m_record = UndoRecord();
    m_mnuAC->setEnabled(false);
}

void AutoCorrect::editAutoCorrect()
{
    if (m_undoing)
        return;
    if (m_state == UndoState::JustApplied)
        m_state = UndoState::SeenOnce;
    else
        clearRecord();

    // A change the writer's undo made is never corrected again, or a correction could
    // not be undone with Ctrl+Z.
    if (m_suspended || m_txtMain->selLength() != 0 || m_txtMain->canRedo())
        return;
    const int caret = m_txtMain->selStart();
    if (caret <= 1)
        return;
    const std::optional<AutoCorrectRules::Match> match =
        m_rules.match(m_txtMain->textBefore(caret, m_rules.longestFind() + 1), caret);
    if (!match)
        return;

    const int start = caret - int(match->typed.size());
    m_record = UndoRecord{start, match->replacement, match->typed, caret};
    m_state = UndoState::JustApplied;
    m_mnuAC->setEnabled(true);
    // The replacement's own change runs this again: the caret ends after the last
    // replacement of the chain.
    m_txtMain->select(start, int(match->typed.size()));
    m_txtMain->replaceSelection(match->replacement);
}

void AutoCorrect::mnuACClick()
{
    const UndoRecord record = m_record;
    const int end = record.start + int(record.replacement.size());
    if (m_state == UndoState::None ||
        m_txtMain->textBefore(end, int(record.replacement.size())) != record.replacement) {
        emit beepRequested();
        return;
    }
    {
        const QScopedValueRollback<bool> undoing(m_undoing, true);
        m_txtMain->select(record.start, int(record.replacement.size()));
        m_txtMain->replaceSelection(record.typed);
        m_txtMain->setCaret(record.caret);
    }
    clearRecord();
}

} // namespace calmdesk
