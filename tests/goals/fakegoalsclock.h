// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "goals/goalsclock.h"

// A clock the test moves by hand.
class FakeGoalsClock : public calmdesk::GoalsClock
{
public:
    qint64 tickMs() const override { return tick; }
    QDateTime localNow() const override { return now; }

    void advance(qint64 ms)
    {
        tick += ms;
        now = now.addMSecs(ms);
    }

    qint64 tick = 1'000'000;
    QDateTime now = QDateTime(QDate(2026, 12, 1), QTime(10, 20, 30));
};
