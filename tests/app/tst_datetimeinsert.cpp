// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/keys/datetimeinsert.h"
#include "platform/text/textcontrol.h"
#include "testmain.h"

#include <QDateTime>
#include <QLocale>
#include <QTest>

using namespace calmdesk;

namespace {

Clock fixedClock(const QDateTime &at)
{
    return [at] {
        return at;
    };
}

const QDateTime kTuesdayAfternoon(QDate(2024, 3, 5), QTime(14, 5, 9));

} // namespace

class TestDateTimeInsert : public QObject
{
    Q_OBJECT

private slots:
    void texts_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<int>("form");
        QTest::addColumn<int>("timeForm");
        QTest::addColumn<QString>("text");

        const int named = int(DateForm::Named);
        const int numeric = int(DateForm::Numeric);
        const int seconds = int(LongTimeForm::HoursMinutesSeconds);
        const int minutes = int(LongTimeForm::HoursMinutes);
        QTest::newRow("Ctrl+F5: names, day without zero, seconds")
            << kTuesdayAfternoon << named << seconds << "Tue, Mar 5, 2024 14:05:09";
        QTest::newRow("F5: month and day without zeros")
            << kTuesdayAfternoon << numeric << seconds << "3/5/2024 14:05:09";
        QTest::newRow("after a paragraph auto-save: hours and minutes only")
            << kTuesdayAfternoon << numeric << minutes << "3/5/2024 14:05";
        QTest::newRow("two-digit day and month")
            << QDateTime(QDate(2023, 12, 31), QTime(23, 59, 59)) << numeric << seconds
            << "12/31/2023 23:59:59";
        QTest::newRow("morning hours keep their zero")
            << QDateTime(QDate(2024, 1, 1), QTime(7, 3, 0)) << named << seconds
            << "Mon, Jan 1, 2024 07:03:00";
        QTest::newRow("exactly midnight: the date alone")
            << QDateTime(QDate(2024, 3, 5), QTime(0, 0)) << named << seconds << "Tue, Mar 5, 2024";
        QTest::newRow("one millisecond after midnight keeps the time")
            << QDateTime(QDate(2024, 3, 5), QTime(0, 0, 0, 1)) << numeric << seconds
            << "3/5/2024 00:00:00";
        QTest::newRow("a second after midnight keeps the time")
            << QDateTime(QDate(2024, 3, 5), QTime(0, 0, 1)) << numeric << minutes
            << "3/5/2024 00:00";
    }

    void texts()
    {
        QFETCH(QDateTime, now);
        QFETCH(int, form);
        QFETCH(int, timeForm);
        QFETCH(QString, text);
        QCOMPARE(dateTimeText(now, DateForm(form), LongTimeForm(timeForm), QLocale::c()), text);
    }

    void namesComeFromTheLocale()
    {
        const QLocale german(QLocale::German, QLocale::Germany);
        const QString text = formatDate(QDate(2024, 3, 5), DateForm::Named, german);
        QCOMPARE(text, german.dayName(2, QLocale::ShortFormat) + QStringLiteral(", ") +
                           german.monthName(3, QLocale::ShortFormat) + QStringLiteral(" 5, 2024"));
        QVERIFY2(!text.startsWith(QStringLiteral("Tue")), qPrintable(text));
        // The numeric form is the same everywhere.
        QCOMPARE(formatDate(QDate(2024, 3, 5), DateForm::Numeric, german), "3/5/2024");
    }

    void dateCommandsSetTheShortDateFormat()
    {
        TimeFormats formats;
        const QDate date(2024, 3, 5);
        QVERIFY(!formats.shortDateForm().has_value());
        QVERIFY(!formats.dateSeparator().has_value());
        QCOMPARE(formats.formatShortDate(date, QLocale::c()),
                 QLocale::c().toString(date, QLocale::ShortFormat));

        TextControl control;
        insertDateTime(control, DateForm::Numeric, formats, fixedClock(kTuesdayAfternoon),
                       QLocale::c());
        QCOMPARE(formats.formatShortDate(QDate(2025, 11, 20), QLocale::c()), "11/20/2025");
        QCOMPARE(formats.dateSeparator(), std::optional<QChar>(QLatin1Char('/')));

        insertDateTime(control, DateForm::Named, formats, fixedClock(kTuesdayAfternoon),
                       QLocale::c());
        QCOMPARE(formats.formatShortDate(QDate(2025, 11, 20), QLocale::c()), "Thu, Nov 20, 2025");
        QCOMPARE(formats.dateSeparator(), std::optional<QChar>(QLatin1Char(' ')));
    }

    void longTimeFormatIsTheOneSetLast()
    {
        TimeFormats formats;
        const QTime time(9, 8, 7);
        QCOMPARE(formats.formatLongTime(time), "09:08:07");
        formats.setLongTimeForm(LongTimeForm::HoursMinutes);
        QCOMPARE(formats.formatLongTime(time), "09:08");
        formats.setLongTimeForm(LongTimeForm::HoursMinutesSeconds);
        QCOMPARE(formats.formatLongTime(time), "09:08:07");
    }

    void insertionReplacesTheSelection()
    {
        TextControl control;
        control.setText(QStringLiteral("Written on DATE.\r\nNext"));
        control.select(11, 4);
        TimeFormats formats;
        formats.setLongTimeForm(LongTimeForm::HoursMinutes);
        insertDateTime(control, DateForm::Numeric, formats, fixedClock(kTuesdayAfternoon),
                       QLocale::c());
        QCOMPARE(control.text(), QStringLiteral("Written on 3/5/2024 14:05.\r\nNext"));
        QCOMPARE(control.selStart(), 25);
        QCOMPARE(control.selLength(), 0);
    }

    void insertionAtTheCaret()
    {
        TextControl control;
        control.setText(QStringLiteral("ab"));
        control.setCaret(1);
        TimeFormats formats;
        insertDateTime(control, DateForm::Named, formats,
                       fixedClock(QDateTime(QDate(2024, 3, 5), QTime(0, 0))), QLocale::c());
        QCOMPARE(control.text(), QStringLiteral("aTue, Mar 5, 2024b"));
    }

    void systemClockTellsTheTime()
    {
        const QDateTime before = QDateTime::currentDateTime();
        const QDateTime now = systemClock()();
        QVERIFY(now >= before);
        QVERIFY(now <= QDateTime::currentDateTime());
    }
};

CALMDESK_TEST_MAIN(TestDateTimeInsert)
#include "tst_datetimeinsert.moc"
