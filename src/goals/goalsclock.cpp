// SPDX-License-Identifier: GPL-3.0-or-later
#include "goals/goalsclock.h"

#include <QDeadlineTimer>

namespace calmdesk {

GoalsClock::~GoalsClock() = default;

qint64 SystemGoalsClock::tickMs() const
{
    return QDeadlineTimer::current(Qt::PreciseTimer).deadline();
}

QDateTime SystemGoalsClock::localNow() const
{
    return QDateTime::currentDateTime();
}

} // namespace calmdesk
