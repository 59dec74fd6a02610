// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace calmdesk {

// The alarm: counts a span of hours and minutes down, one step per minute.
class AlarmCountdown
{
public:
    struct Reading
    {
        QString text;
        // The span has run out ("Countdown: 00:00").
        bool finished = false;
        // The minute timer has nothing more to do.
        bool stop = false;
    };

    // Sets a new span and returns whether there is an alarm (hours above 0 or at least
    // one minute); the minute timer then runs, and once at once. Any other span clears
    // the alarm.
    bool set(int hours, int minutes);
    void clear();
    bool isSet() const { return m_totalMinutes > 0; }

    // One run of the minute timer.
    Reading tick();

private:
    int m_totalMinutes = 0;
    int m_elapsed = 0;
};

} // namespace calmdesk
