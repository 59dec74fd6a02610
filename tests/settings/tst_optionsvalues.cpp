// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/shell/desktopintegration.h"
#include "settings/optionsvalues.h"
#include "settings/startwithsystem.h"
#include "testmain.h"

#include <QTest>

using namespace calmdesk;
using calmdesk::test::IsolatedEnvironment;

class TestOptionsValues : public QObject
{
    Q_OBJECT

private slots:
    void init() { IsolatedEnvironment::current()->reset(); }

    void checkBoxesBecomeFlags()
    {
        OptionsValues o;
        o.restpar = true;
        o.txtcore = true;
        o.showmru = true;
        const Settings s = settingsFromOptions(o, Settings());
        QVERIFY(s.restpar);
        QVERIFY(s.txtcore);
        QVERIFY(s.showmru);
        QVERIFY(!s.restore);
        QVERIFY(!s.txtpara);
    }

    void pause_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("expected");
        QTest::newRow("first item is 1 second") << 0 << 1;
        QTest::newRow("last item is 59 seconds") << 58 << 59;
        QTest::newRow("beyond the list is 20") << 59 << 20;
        QTest::newRow("nothing chosen is 20") << -1 << 20;
    }

    void pause()
    {
        QFETCH(int, position);
        QFETCH(int, expected);
        OptionsValues o;
        o.pausePosition = position;
        QCOMPARE(settingsFromOptions(o, Settings()).cron_pause, expected);
    }

    void width_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("expected");
        QTest::newRow("75 is kept") << "75" << 75;
        QTest::newRow("10 is kept") << "10" << 10;
        QTest::newRow("100 is kept") << "100" << 100;
        QTest::newRow("9 becomes 90") << "9" << 90;
        QTest::newRow("101 becomes 90") << "101" << 90;
        QTest::newRow("empty becomes 90") << "" << 90;
        QTest::newRow("a dotted number keeps the previous width") << "55.5" << 60;
    }

    void width()
    {
        QFETCH(QString, field);
        QFETCH(int, expected);
        OptionsValues o;
        o.widthField = field;
        Settings previous;
        previous.width = 60;
        QCOMPARE(settingsFromOptions(o, previous).width, expected);
    }

    void linesPerPage_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("expected");
        QTest::newRow("30 is kept") << "30" << 30;
        QTest::newRow("1 is kept: only a load makes it 24") << "1" << 1;
        QTest::newRow("a dotted number keeps the previous lines") << "2.5" << 40;
    }

    void linesPerPage()
    {
        QFETCH(QString, field);
        QFETCH(int, expected);
        OptionsValues o;
        o.linesPerPageField = field;
        Settings previous;
        previous.perpage = 40;
        QCOMPARE(settingsFromOptions(o, previous).perpage, expected);
    }

    void diaryFolderIsTrimmed()
    {
        OptionsValues o;
        o.diaryField = "  /home/ann/Diary/ \t";
        QCOMPARE(settingsFromOptions(o, Settings()).diaryDir, QStringLiteral("/home/ann/Diary/"));
    }

    void correctionRulesKeepTheirPlaces()
    {
        OptionsValues o;
        o.corrections = {{"teh", "the"}, {"  ", ""}, {"half", ""}, {" adn ", " and "}};
        const Settings s = settingsFromOptions(o, Settings());
        QCOMPARE(s.acFind.at(0), QStringLiteral("teh"));
        QVERIFY(s.acFind.at(1).isEmpty());
        QCOMPARE(s.acFind.at(2), QStringLiteral("half")); // kept in memory, not stored
        QVERIFY(s.acReplace.at(2).isEmpty());
        QCOMPARE(s.acFind.at(3), QStringLiteral(" adn ")); // untrimmed until stored
        QCOMPARE(s.acReplace.at(3), QStringLiteral(" and "));
        QVERIFY(s.acFind.at(4).isEmpty());
        QCOMPARE(s.acFind.size(), Settings::kListSlots);
    }

    void autoTextWordsKeepTheirPlaces()
    {
        OptionsValues o;
        o.autoTextWords = {"alpha", " ", "gamma"};
        const Settings s = settingsFromOptions(o, Settings());
        QCOMPARE(s.atWords.at(0), QStringLiteral("alpha"));
        QVERIFY(s.atWords.at(1).isEmpty());
        QCOMPARE(s.atWords.at(2), QStringLiteral("gamma"));
    }

    void limitsAndDeadline()
    {
        OptionsValues o;
        o.wordLimitField = "50000";
        o.pageLimitField = "abc";
        o.charLimitField = "1.5";
        o.deadline = QDate(2027, 3, 9);
        DocumentLimits previous;
        previous.limchar = 7;
        const DocumentLimits l = limitsFromOptions(o, previous);
        QCOMPARE(l.limword, 50000);
        QCOMPARE(l.limpage, 0);
        QCOMPARE(l.limchar, 7);
        QCOMPARE(l.deadlineDay, 9);
        QCOMPARE(l.deadlineMonth, 3);
        QCOMPARE(l.deadlineYear, 2027);
    }

    void startWithTheSessionRoundTrip()
    {
        DesktopIntegration desktop;
        const QString program = "/opt/My Apps/calmdesk";
        QVERIFY(applyStartWithSystem(desktop, true, true, program));
        StartWithSystemState state = readStartWithSystem(desktop);
        QVERIFY(state.startWithSystem);
        QVERIFY(state.startMinimized);
        QCOMPARE(desktop.readAutostartCommand(), "\"" + program + "\" /auto");

        QVERIFY(applyStartWithSystem(desktop, true, false, program));
        state = readStartWithSystem(desktop);
        QVERIFY(state.startWithSystem);
        QVERIFY(!state.startMinimized);

        QVERIFY(applyStartWithSystem(desktop, false, true, program));
        state = readStartWithSystem(desktop);
        QVERIFY(!state.startWithSystem);
        QVERIFY(!QFileInfo::exists(desktop.autostartEntryPath()));
    }
};

CALMDESK_TEST_MAIN_CORE(TestOptionsValues)
#include "tst_optionsvalues.moc"
