// SPDX-License-Identifier: GPL-3.0-or-later
#include "goals/alarmcountdown.h"
#include "goals/writingtimer.h"
#include "testmain.h"

#include <QTest>

using namespace calmdesk;

namespace {

constexpr int kPause = 20;
constexpr qint64 kSecond = 1000;
constexpr qint64 kStart = 5'000'000;

// Ticks the timer every 200 ms from `from` to `to` and returns the last reading.
std::optional<WritingTimer::Reading> runTicks(WritingTimer &timer, qint64 from, qint64 to)
{
    std::optional<WritingTimer::Reading> last;
    for (qint64 now = from; now <= to; now += 200) {
        if (auto reading = timer.tick(now, kPause))
            last = reading;
    }
    return last;
}

} // namespace

// The writing timer with a fake tick, and the alarm countdown.
class TimersTest : public QObject
{
    Q_OBJECT

private slots:
    void durationFormat_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "00:00:00";
        QTest::newRow("fractions are cut off") << 1.99 << "00:00:01";
        QTest::newRow("hours, minutes, seconds") << 3723.0 << "01:02:03";
        QTest::newRow("25 hours show their rest below a day") << 25 * 3600.0 << "01:00:00";
    }
    void durationFormat()
    {
        QFETCH(double, seconds);
        QFETCH(QString, text);
        QCOMPARE(formatDuration(seconds), text);
    }

    void steadyTypingKeepsCounting()
    {
        WritingTimer timer;
        timer.switchOn(kStart);
        for (int key = 0; key < 8; ++key) {
            const qint64 at = kStart + key * 15 * kSecond;
            timer.markActivity(at);
            const auto reading = runTicks(timer, at + 200, at + 15 * kSecond - 200);
            QVERIFY(reading);
            QVERIFY(!reading->paused);
        }
        QVERIFY(qAbs(timer.writingSeconds() - 8 * 15 + 1) <= 1.0);
    }

    void pauseTurnsRedAfterAllowedPausePlusOneSecond()
    {
        WritingTimer timer;
        timer.switchOn(kStart);
        timer.markActivity(kStart);
        auto reading = runTicks(timer, kStart + 200, kStart + 20 * kSecond);
        QVERIFY(reading && !reading->paused);
        reading = runTicks(timer, kStart + 20 * kSecond + 200, kStart + 21 * kSecond - 200);
        QVERIFY(!reading || !reading->paused);
        reading = runTicks(timer, kStart + 21 * kSecond, kStart + 21 * kSecond + 800);
        QVERIFY(reading && reading->paused);
        QCOMPARE(formatDuration(reading->shownSeconds), QString("00:00:01"));
        // The time until the pause was noticed counts as writing.
        QCOMPARE(formatDuration(timer.writingSeconds()), QString("00:00:20"));

        reading = runTicks(timer, kStart + 22 * kSecond, kStart + 90 * kSecond);
        QVERIFY(reading && reading->paused);
        QCOMPARE(formatDuration(reading->shownSeconds), QString("00:01:10"));
        QCOMPARE(formatDuration(timer.writingSeconds()), QString("00:00:20"));
    }

    void resetAndSwitching()
    {
        WritingTimer timer;
        timer.switchOn(kStart);
        runTicks(timer, kStart + 200, kStart + 10 * kSecond);
        QVERIFY(timer.writingSeconds() >= 9);

        timer.reset(kStart + 10 * kSecond);
        QCOMPARE(timer.writingSeconds(), 0.0);
        const auto afterReset = runTicks(timer, kStart + 10 * kSecond + 200, kStart + 11 * kSecond);
        QVERIFY(afterReset && !afterReset->paused);
        QCOMPARE(formatDuration(afterReset->shownSeconds), QString("00:00:01"));

        // Switching on again keeps the time written so far; switching off drops it.
        timer.switchOn(kStart + 12 * kSecond);
        QVERIFY(timer.writingSeconds() >= 1);
        timer.switchOff();
        QCOMPARE(timer.writingSeconds(), 0.0);
    }

    void alarmStartTexts_data()
    {
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("text");
        QTest::newRow("half an hour") << 0 << 30 << "Countdown: 0:30";
        QTest::newRow("two hours") << 2 << 0 << "Countdown: 2:00";
        QTest::newRow("one minute") << 0 << 1 << "Countdown: 0:01";
        QTest::newRow("ten hours") << 10 << 10 << "Countdown: 10:10";
    }
    void alarmStartTexts()
    {
        QFETCH(int, hours);
        QFETCH(int, minutes);
        QFETCH(QString, text);
        AlarmCountdown alarm;
        QVERIFY(alarm.set(hours, minutes));
        const AlarmCountdown::Reading first = alarm.tick();
        QCOMPARE(first.text, text);
        QVERIFY(!first.stop);
    }

    void alarmRunsOutAfterItsMinutes()
    {
        AlarmCountdown alarm;
        QVERIFY(alarm.set(0, 30));
        AlarmCountdown::Reading reading = alarm.tick();
        for (int minute = 1; minute < 30; ++minute) {
            reading = alarm.tick();
            QVERIFY(!reading.finished);
        }
        QCOMPARE(reading.text, QString("Countdown: 0:01"));
        reading = alarm.tick();
        QVERIFY(reading.finished);
        QVERIFY(reading.stop);
        QCOMPARE(reading.text, QString("Countdown: 00:00"));
    }

    void noAlarmWithoutTime()
    {
        AlarmCountdown alarm;
        QVERIFY(!alarm.set(0, 0));
        QVERIFY(!alarm.isSet());
        const AlarmCountdown::Reading reading = alarm.tick();
        QVERIFY(reading.stop);
        QVERIFY(reading.text.isEmpty());
        QVERIFY(alarm.set(0, 5));
        QVERIFY(!alarm.set(0, 0));
        QVERIFY(alarm.tick().stop);
    }
};

CALMDESK_TEST_MAIN_CORE(TimersTest)
#include "tst_timers.moc"
