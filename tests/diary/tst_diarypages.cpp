// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the diary's pages, their place in a folder given with or without a
// separator at its end, and which days of a month have a page.

#include "diary/diarypages.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace calmdesk;

class TestDiaryPages : public QObject
{
    Q_OBJECT

    QString m_folder;

    void makePages(const QStringList &names) const
    {
        for (const QString &name : names) {
            QFile file(m_folder + '/' + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }

private slots:
    void init()
    {
        test::IsolatedEnvironment::current()->reset();
        m_folder = test::IsolatedEnvironment::current()->root() + "/Diary";
        QVERIFY(QDir().mkpath(m_folder));
    }

    void pagePaths_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("path");
        QTest::newRow("day and month padded") << "/d" << QDate(2026, 12, 8) << "/d/08-12-2026.txt";
        QTest::newRow("two digits each") << "/d" << QDate(2027, 10, 31) << "/d/31-10-2027.txt";
        QTest::newRow("early year padded to four")
            << "/d" << QDate(987, 1, 2) << "/d/02-01-0987.txt";
        QTest::newRow("folder ending in a separator")
            << "/d/" << QDate(2027, 3, 5) << "/d/05-03-2027.txt";
        QTest::newRow("folder without one") << "/d" << QDate(2027, 3, 5) << "/d/05-03-2027.txt";
    }
    void pagePaths()
    {
        QFETCH(QString, folder);
        QFETCH(QDate, day);
        QFETCH(QString, path);
        QCOMPARE(diaryPagePath(folder, day), path);
    }

    void daysWithAPageAreFoundInOrder()
    {
        makePages({"17-03-2027.txt", "05-03-2027.txt", "31-03-2027.txt", "06-03-2026.txt",
                   "07-04-2027.txt", "Scratchpad.rtf"});
        const QList<int> expected{5, 17, 31};
        QCOMPARE(diaryPageDays(m_folder, 3, 2027), expected);
        QCOMPARE(diaryPageDays(m_folder + '/', 3, 2027), expected);
        QVERIFY(diaryPageDays(m_folder, 2, 2027).isEmpty());
    }

    void monthsBesideTheShownOneAreLookedUpWithTheSelectedYear()
    {
        // December 2026 on show with a day of 2026 selected: January beside it is 2027's,
        // but its pages are looked up as January 2026's.
        makePages({"05-01-2026.txt", "12-01-2027.txt", "24-12-2026.txt", "30-11-2026.txt",
                   "31-11-2026.txt", "03-02-2026.txt"});
        const QList<QDate> expected{QDate(2026, 11, 30), QDate(2026, 12, 24), QDate(2027, 1, 5)};
        QCOMPARE(diaryPageDatesAround(m_folder, QDate(2026, 12, 15), 2026), expected);
    }
};

CALMDESK_TEST_MAIN_CORE(TestDiaryPages)
#include "tst_diarypages.moc"
