// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "aids/autocorrectrules.h"

#include <QObject>

class QAction;

namespace calmdesk {

class TextControl;

// Auto-correct in the text column: after each change the rules are tried on the characters
// before the caret, and "Undo Auto-Correct" puts the typed letters back. A replacement may
// complete another rule: its own change notification runs the check again.
class AutoCorrect : public QObject
{
    Q_OBJECT

public:
    // `mnuAC` is enabled exactly while a correction can be undone.
    AutoCorrect(TextControl *txtMain, QAction *mnuAC, QObject *parent = nullptr);

    void setRules(const QStringList &find, const QStringList &replace);

    // After a change of the text, while auto-correct is on.
    void editAutoCorrect();
    // The latest correction is undone: its typed letters replace it, the caret goes back
    // where it was, in one undo step. Only a beep when there is none (or the text there
    // has changed since).
    void mnuACClick();

    bool isUndoPending() const { return m_state != UndoState::None; }
    // While suspended (a Replace All), changes are seen but never corrected.
    void setSuspended(bool suspended) { m_suspended = suspended; }

signals:
    void beepRequested();

private:
    enum class UndoState { None, SeenOnce, JustApplied };
    struct UndoRecord
    {
        int start = 0;
        QString replacement;
        QString typed;
        int caret = 0;
    };
    void clearRecord();

    TextControl *m_txtMain;
    QAction *m_mnuAC;
    AutoCorrectRules m_rules;
    UndoState m_state = UndoState::None;
    UndoRecord m_record;
    bool m_undoing = false;
    bool m_suspended = false;
};

} // namespace calmdesk
