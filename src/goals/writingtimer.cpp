// SPDX-License-Identifier: GPL-3.0-or-later
#include "goals/writingtimer.h"

#include <QTime>

#include <cmath>

namespace calmdesk {

namespace {

constexpr double kMsPerSecond = 1000.0;
constexpr qint64 kSecondsPerDay = 24 * 60 * 60;
// The display changes at most about once a second.
constexpr double kMinimumStepSeconds = 1.0;
// A pause counts only once it is this far beyond the allowed one.
constexpr double kPauseMarginSeconds = 1.0;

} // namespace

QString formatDuration(double seconds)
{
    const qint64 whole = qint64(std::floor(std::max(seconds, 0.0))) % kSecondsPerDay;
    return QTime(0, 0).addSecs(int(whole)).toString(QStringLiteral("HH:mm:ss"));
}

void WritingTimer::switchOn(qint64 nowMs)
{
    m_lastActivityMs = nowMs;
    m_lastAdvanceMs = nowMs;
}

void WritingTimer::switchOff()
{
    m_writingSeconds = 0;
    m_lastActivityMs = 0;
}

void WritingTimer::reset(qint64 nowMs)
{
    m_writingSeconds = 0;
    m_lastActivityMs = nowMs;
    m_lastAdvanceMs = nowMs;
}

void WritingTimer::markActivity(qint64 nowMs)
{
    m_lastActivityMs = nowMs;
}

std::optional<WritingTimer::Reading> WritingTimer::tick(qint64 nowMs, int allowedPauseSeconds)
{
    if (!m_lastAdvanceMs) {
        m_lastAdvanceMs = nowMs;
        return std::nullopt;
    }
    const double step = double(nowMs - *m_lastAdvanceMs) / kMsPerSecond;
    if (step < kMinimumStepSeconds)
        return std::nullopt;

    Reading reading;
    const double pause = double(nowMs - m_lastActivityMs) / kMsPerSecond - allowedPauseSeconds;
    if (pause >= kPauseMarginSeconds) {
        reading.paused = true;
        reading.shownSeconds = pause;
    } else {
        m_writingSeconds += step;
        reading.shownSeconds = m_writingSeconds;
    }
    m_lastAdvanceMs = nowMs;
    return reading;
}

} // namespace calmdesk
