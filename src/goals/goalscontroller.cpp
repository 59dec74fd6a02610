// SPDX-License-Identifier: GPL-3.0-or-later
#include "goals/goalscontroller.h"

#include "goals/documentstatistics.h"
#include "goals/goalsclock.h"
#include "goals/statuspanel.h"
#include "goals/statusreport.h"
#include "platform/text/textcontrol.h"
#include "settings/settings.h"

#include <QTimer>

namespace calmdesk {

GoalsController::GoalsController(TextControl *txtMain, StatusPanel *pctStatus, SettingsStore &store,
                                 const GoalsClock *clock, QObject *parent)
    : QObject(parent)
    , m_txtMain(txtMain)
    , m_pctStatus(pctStatus)
    , m_store(store)
    , m_ownClock(clock ? nullptr : std::make_unique<SystemGoalsClock>())
    , m_clock(clock ? clock : m_ownClock.get())
    , m_statistics(new DocumentStatistics(txtMain, this))
    , tmrCron(new QTimer(this))
    , tmrAlarm(new QTimer(this))
    , tmrClock(new QTimer(this))
{
    // Typing is noted before anything else a key does.
    connect(m_txtMain, &TextControl::characterTyped, this, &GoalsController::markActivity);
    // A long text's lines are counted in the background after an open or a change of
    // width: the page figure follows when they are.
    connect(m_txtMain, &TextControl::displayLinesCounted, this, &GoalsController::updateStatus);

    tmrCron->setObjectName(QStringLiteral("tmrCron"));
    tmrCron->setInterval(kCronIntervalMs);
    connect(tmrCron, &QTimer::timeout, this, &GoalsController::tmrCronTimer);
    tmrAlarm->setObjectName(QStringLiteral("tmrAlarm"));
    tmrAlarm->setInterval(kAlarmIntervalMs);
    connect(tmrAlarm, &QTimer::timeout, this, &GoalsController::tmrAlarmTimer);
    // The clock runs all the time, not only while the focus is locked.
    tmrClock->setObjectName(QStringLiteral("tmrClock"));
    tmrClock->setInterval(kClockIntervalMs);
    connect(tmrClock, &QTimer::timeout, this, &GoalsController::tmrClockTimer);

    m_pctStatus->clearTimer();
    tmrClockTimer();
    tmrClock->start();
}

GoalsController::~GoalsController() = default;

void GoalsController::setCurFileSource(std::function<QString()> curFile)
{
    m_curFile = std::move(curFile);
}

QString GoalsController::curFile() const
{
    return m_curFile ? m_curFile() : QString();
}

void GoalsController::applySettings(const Settings &s)
{
    m_perpage = s.perpage;
    m_deadlines = s.deadlines;
    m_cronPause = s.cron_pause;
    m_txtcore = s.txtcore;
    updateStatus();
    switchWritingTimer(s.cron_use);
    setAlarm(s.alarmhh, s.alarmmm);
    m_pctStatus->applySettings(s);
}

void GoalsController::switchWritingTimer(bool on)
{
    m_pctStatus->setTimerVisible(on);
    if (on) {
        tmrCron->start();
        m_writingTimer.switchOn(m_clock->tickMs());
    } else {
        m_writingTimer.switchOff();
        tmrCron->stop();
    }
}

void GoalsController::setAlarm(int hours, int minutes)
{
    tmrAlarm->stop();
    if (m_alarm.set(hours, minutes)) {
        tmrAlarm->start();
        tmrAlarmTimer();
    }
}

void GoalsController::updateStatus()
{
    StatusInputs inputs;
    inputs.counts = m_statistics->counts();
    // Until a background count of the lines is done, the page figure stays as it was.
    if (const std::optional<int> lines = m_txtMain->knownDisplayLineCount())
        m_displayLines = *lines;
    inputs.displayLines = m_displayLines;
    inputs.limits = m_limits;
    inputs.perpage = m_perpage;
    inputs.deadlines = m_deadlines;
    inputs.curFile = curFile();
    inputs.now = m_clock->localNow();
    m_pctStatus->showReport(statusReport(inputs));
}

void GoalsController::txtMainChange()
{
    emit spellTimerStopRequested();
    if (!m_statistics->takeChange())
        return;
    emit textEdited();
    m_pctStatus->showHelpText(tr("Press F1 for Help."));
    if (m_txtcore)
        emit autoCorrectRequested();
    updateStatus();
    emit spellTimerRestartRequested();
    // What auto-correct changed has been seen by the call it caused.
    m_statistics->takeChange();
}

void GoalsController::loadLimits()
{
    m_limits = readLimits(m_store, settingsRoot(), curFile());
    updateStatus();
}

void GoalsController::saveLimits()
{
    writeLimits(m_store, settingsRoot(), curFile(), m_limits);
    updateStatus();
}

void GoalsController::resetWritingTimer()
{
    m_writingTimer.reset(m_clock->tickMs());
}

void GoalsController::markActivity()
{
    m_writingTimer.markActivity(m_clock->tickMs());
}

void GoalsController::tmrCronTimer()
{
    const std::optional<WritingTimer::Reading> reading =
        m_writingTimer.tick(m_clock->tickMs(), m_cronPause);
    if (!reading)
        return;
    m_pctStatus->showTimer(formatDuration(reading->shownSeconds), reading->paused);
}

void GoalsController::tmrAlarmTimer()
{
    const AlarmCountdown::Reading reading = m_alarm.tick();
    m_pctStatus->showAlarm(reading.text, reading.finished ? LabelTone::Met : LabelTone::Running);
    if (reading.stop)
        tmrAlarm->stop();
}

void GoalsController::tmrClockTimer()
{
    m_pctStatus->showClock(m_clock->localNow().time().toString(QStringLiteral("HH:mm:ss")));
}

TextCounts GoalsController::counts() const
{
    return m_statistics->counts();
}

} // namespace calmdesk
