// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

namespace calmdesk {

// Where the writing timer, the alarm and the clock take their time from. Durations
// come from a monotonic millisecond tick, so a change of the wall clock never
// disturbs them; the clock and the deadline read local time. Tests put a clock of
// their own in its place.
class GoalsClock
{
public:
    virtual ~GoalsClock();
    // Milliseconds of a monotonic count.
    virtual qint64 tickMs() const = 0;
    virtual QDateTime localNow() const = 0;

protected:
    GoalsClock() = default;
    GoalsClock(const GoalsClock &) = default;
    GoalsClock &operator=(const GoalsClock &) = default;
};

// The system's monotonic clock and local time.
class SystemGoalsClock : public GoalsClock
{
public:
    qint64 tickMs() const override;
    QDateTime localNow() const override;
};

} // namespace calmdesk
