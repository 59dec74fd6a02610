// SPDX-License-Identifier: GPL-3.0-or-later
#include "goals/alarmcountdown.h"

#include <QCoreApplication>

namespace calmdesk {

namespace {

constexpr int kMinutesPerHour = 60;

} // namespace

bool AlarmCountdown::set(int hours, int minutes)
{
    clear();
    if (hours > 0 || minutes >= 1) {
        // The first run, at once, counts one step: it shows the whole span.
        m_totalMinutes = hours * kMinutesPerHour + minutes + 1;
        return true;
    }
    return false;
}

void AlarmCountdown::clear()
{
    m_totalMinutes = 0;
    m_elapsed = 0;
}

AlarmCountdown::Reading AlarmCountdown::tick()
{
    Reading reading;
    if (m_totalMinutes < 1) {
        reading.stop = true;
        return reading;
    }
    ++m_elapsed;
    if (m_elapsed >= m_totalMinutes) {
        reading.text = QCoreApplication::translate("calmdesk::StatusLine", "Countdown: 00:00");
        reading.finished = true;
        reading.stop = true;
        return reading;
    }
    const int remaining = m_totalMinutes - m_elapsed;
    const int hours = remaining / kMinutesPerHour;
    const int minutes = remaining - kMinutesPerHour * hours;
    reading.text = QCoreApplication::translate("calmdesk::StatusLine", "Countdown: %1:%2")
                       .arg(hours)
                       .arg(minutes, 2, 10, QLatin1Char('0'));
    return reading;
}

} // namespace calmdesk
