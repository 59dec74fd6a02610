// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "goals/alarmcountdown.h"
#include "goals/documentlimits.h"
#include "goals/textcounts.h"
#include "goals/writingtimer.h"
#include "settings/settingstable.h"

#include <QObject>

#include <functional>
#include <memory>

class QTimer;

namespace calmdesk {

class DocumentStatistics;
class GoalsClock;
class SettingsStore;
class StatusPanel;
class TextControl;

// Writing goals and the status line: counts the text of txtMain against the current
// document's limits, handles its change notification (txtMainChange), and runs the
// writing timer, the alarm countdown and the clock. The window owns the text control
// and the panel; the parts of a text change that belong to other subsystems are
// signals, emitted in the order the change handler runs them.
class GoalsController : public QObject
{
    Q_OBJECT

public:
    static constexpr int kCronIntervalMs = 200;
    static constexpr int kAlarmIntervalMs = 60000;
    static constexpr int kClockIntervalMs = 200;

    // Records typing activity from txtMain's characters; construct it before anything
    // else listens to them, so the activity is noted first. `clock` (the system's when
    // null) must outlive this object.
    GoalsController(TextControl *txtMain, StatusPanel *pctStatus, SettingsStore &store,
                    const GoalsClock *clock = nullptr, QObject *parent = nullptr);
    ~GoalsController() override;

    // The current document's full path ("" for untitled), asked when the limits are
    // loaded or saved and for the deadline.
    void setCurFileSource(std::function<QString()> curFile);

    // Takes the settings in: recounts, switches the writing timer, sets the alarm from
    // alarmhh and alarmmm, and shows or hides the status line's labels.
    void applySettings(const Settings &settings);

    // Recomputes and paints every goal label and the deadline.
    void updateStatus();
    // The change notification of txtMain (also of any hidden copy of it: only
    // txtMain's text is compared).
    void txtMainChange();

    // The current document's limits from the store, then updateStatus().
    void loadLimits();
    // The in-memory limits to the store under the current document's name, then
    // updateStatus().
    void saveLimits();
    DocumentLimits limits() const { return m_limits; }
    // As the options dialog sets them; saveLimits() stores them.
    void setLimits(const DocumentLimits &limits) { m_limits = limits; }

    // New document or saved: the writing time starts again from 0.
    void resetWritingTimer();
    // A character was typed (txtMain does this itself; the global scratchpad calls it).
    void markActivity();

    void tmrCronTimer();
    void tmrAlarmTimer();
    // The clock.
    void tmrClockTimer();

    // The counts of txtMain's current text.
    TextCounts counts() const;
    QTimer *cronTimer() const { return tmrCron; }
    QTimer *alarmTimer() const { return tmrAlarm; }
    QTimer *clockTimer() const { return tmrClock; }

signals:
    // txtMainChange, in order: first, for every notification.
    void spellTimerStopRequested();
    // Then, when the text really changed: the document has unsaved changes, the
    // spelling pass has new text to look at.
    void textEdited();
    // Then, when auto-correct (txtcore) is on: correct the word just typed. A handler
    // may change the text; that runs txtMainChange again from inside.
    void autoCorrectRequested();
    // Last, after the counts are painted: the spelling pause begins anew.
    void spellTimerRestartRequested();

private:
    QString curFile() const;
    void switchWritingTimer(bool on);
    void setAlarm(int hours, int minutes);

    TextControl *m_txtMain;
    StatusPanel *m_pctStatus;
    SettingsStore &m_store;
    std::unique_ptr<GoalsClock> m_ownClock;
    const GoalsClock *m_clock;
    DocumentStatistics *m_statistics;
    std::function<QString()> m_curFile;

    QTimer *tmrCron;
    QTimer *tmrAlarm;
    QTimer *tmrClock;

    DocumentLimits m_limits;
    // The text column's laid-out lines as last known.
    int m_displayLines = 0;
    WritingTimer m_writingTimer;
    AlarmCountdown m_alarm;

    // The settings the counts, the timer and the change handler work with.
    int m_perpage = defaultSettings().perpage;
    bool m_deadlines = defaultSettings().deadlines;
    int m_cronPause = defaultSettings().cron_pause;
    bool m_txtcore = defaultSettings().txtcore;
};

} // namespace calmdesk
