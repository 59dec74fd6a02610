// SPDX-License-Identifier: GPL-3.0-or-later
// The diary panel in the editor's window: dated pages opened (and made) from its links, its
// calendar and the clock, the calendar's bold days, and when the panel shows and hides.

#include "app/keys/editmenu.h"
#include "app/layout/toolspanel.h"
#include "app/layout/toolspaneldock.h"
#include "app/window/tfrmmain.h"
#include "diary/diary.h"
#include "diary/diarypanel.h"
#include "document/documenthandler.h"
#include "goals/statuspanel.h"
#include "loopbackhttpserver.h"
#include "mainwindowfixture.h"
#include "platform/text/textcontrol.h"
#include "reference/referencespage.h"
#include "settings/settings.h"
#include "statuslabels.h"
#include "testmain.h"

#include <QAccessible>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTextCharFormat>

using namespace calmdesk;
using calmdesk::test::LoopbackHttpServer;
using calmdesk::test::MainWindowFixture;
using calmdesk::test::statusLabel;

namespace {

// The editor started on `today`, its status line showing.
struct DiaryWindow
{
    explicit DiaryWindow(const QDate &today)
    {
        fx.setGeneral("show_status", "1");
        diary = fx.window().findChild<Diary *>();
        diary->setClock([today] { return QDateTime(today, QTime(10, 0)); });
        started = fx.start();
    }

    QString page(const QString &name) { return fx.window().settings().diaryDir + '/' + name; }
    DiaryPanel *panel() const { return diary->panel(); }
    QCalendarWidget *calendar() const { return panel()->findChild<QCalendarWidget *>(); }
    QPushButton *link(const char *name) const { return panel()->findChild<QPushButton *>(name); }
    bool bold(const QDate &day) const
    {
        return calendar()->dateTextFormat(day).fontWeight() == QFont::Bold;
    }
    void clickClock() { QTest::mouseClick(statusLabel(&fx.window(), "lblTime"), Qt::LeftButton); }
    QString curFile() { return fx.window().document()->curFile(); }

    MainWindowFixture fx;
    Diary *diary = nullptr;
    bool started = false;
};

} // namespace

class TestDiary : public QObject
{
    Q_OBJECT

private slots:
    void linksOpenTheirDaysPages_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("name");
        const QDate fifth(2027, 3, 5);
        QTest::newRow("today") << fifth << "lblToday"
                               << "05-03-2027.txt";
        QTest::newRow("yesterday") << fifth << "lblYesterday"
                                   << "04-03-2027.txt";
        QTest::newRow("two days ago") << fifth << "lbl2Days"
                                      << "03-03-2027.txt";
        QTest::newRow("yesterday of 1 March is February's last")
            << QDate(2027, 3, 1) << "lblYesterday"
            << "28-02-2027.txt";
        QTest::newRow("in a leap year too") << QDate(2028, 3, 1) << "lblYesterday"
                                            << "29-02-2028.txt";
    }
    void linksOpenTheirDaysPages()
    {
        QFETCH(QDate, today);
        QFETCH(QString, link);
        QFETCH(QString, name);
        DiaryWindow d(today);
        QVERIFY(d.started);
        d.clickClock();
        QVERIFY(d.panel()->isVisible());
        // Followed from the keyboard, as a writer who tabbed to it would.
        QTest::keyClick(d.link(qPrintable(link)), Qt::Key_Return);
        QCOMPARE(d.curFile(), d.page(name));
        QVERIFY(QFileInfo(d.page(name)).isFile());
        QVERIFY(!d.panel()->isVisible());
        QTRY_VERIFY(d.fx.window().textColumn()->hasFocus());
    }

    void calendarPageIsMadeBeforeTheSaveQuestionAndShowsBold()
    {
        DiaryWindow d(QDate(2027, 3, 5));
        QVERIFY(d.started);
        d.fx.window().textColumn()->replaceSelection("a draft");
        d.clickClock();
        d.panel()->selectDate(QDate(2027, 2, 12));
        QCOMPARE(d.link("lblSelDate")->text(), "Selected: 12-02-2027");
        const QString path = d.page("12-02-2027.txt");
        QVERIFY(!d.bold(QDate(2027, 2, 12)));

        // Cancelled at the save question: the page is there all the same.
        d.fx.messages.answers << Answer::Cancel;
        d.link("lblSelDate")->click();
        QVERIFY(QFileInfo(path).isFile());
        QVERIFY(d.curFile().isEmpty());
        QCOMPARE(d.fx.window().textColumn()->text(), "a draft");
        QVERIFY(d.bold(QDate(2027, 2, 12)));

        // Enter on the calendar's date opens it, as a double-click does.
        d.clickClock();
        d.fx.messages.answers << Answer::No;
        QTest::keyClick(d.calendar()->findChild<QTableView *>(), Qt::Key_Return);
        QCOMPARE(d.curFile(), path);
        QVERIFY(!d.panel()->isVisible());
    }

    void clockDoubleClickOpensTodaysPageBoldOnTheCalendar()
    {
        const QDate today(2027, 3, 5);
        DiaryWindow d(today);
        QVERIFY(d.started);
        d.panel()->selectDate(QDate(2026, 11, 20));
        QTest::mouseDClick(statusLabel(&d.fx.window(), "lblTime"), Qt::LeftButton);
        QCOMPARE(d.curFile(), d.page("05-03-2027.txt"));
        QVERIFY(QFileInfo(d.curFile()).isFile());
        QCOMPARE(d.panel()->selectedDate(), today);
        QVERIFY(d.bold(today));
        QVERIFY(!d.panel()->isVisible());
    }

    void neighbouringMonthOfAnotherYearIsLookedUpInTheSelectedYear()
    {
        DiaryWindow d(QDate(2027, 3, 5));
        QVERIFY(d.started);
        for (const char *name : {"05-01-2026.txt", "12-01-2027.txt"})
            QVERIFY(QFile(d.page(name)).open(QIODevice::WriteOnly));
        d.panel()->selectDate(QDate(2026, 12, 15));
        QVERIFY(d.bold(QDate(2027, 1, 5)));
        QVERIFY(!d.bold(QDate(2027, 1, 12)));

        // Turning to January takes the selection along: January is now 2027's own.
        d.calendar()->showNextMonth();
        QCOMPARE(d.panel()->selectedDate(), QDate(2027, 1, 15));
        QCOMPARE(d.link("lblSelDate")->text(), "Selected: 15-01-2027");
        QVERIFY(d.bold(QDate(2027, 1, 12)));
        QVERIFY(!d.bold(QDate(2027, 1, 5)));
    }

    void panelShowsAboveTheStatusLineAndHides_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("close image") << "image";
        QTest::newRow("Escape") << "escape";
        QTest::newRow("click on the background") << "background";
        QTest::newRow("text takes the keyboard") << "text";
    }
    void panelShowsAboveTheStatusLineAndHides()
    {
        QFETCH(QString, how);
        DiaryWindow d(QDate(2027, 3, 5));
        QVERIFY(d.started);
        TfrmMain &w = d.fx.window();
        w.toolsDock()->showPage(0);
        QTest::mouseClick(statusLabel(&w, "lblWord"), Qt::LeftButton);
        DiaryPanel *panel = d.panel();
        QVERIFY(panel->isVisible());
        QVERIFY(!w.toolsPanel()->isVisible());
        QCOMPARE(panel->geometry().right() + 1, w.width());
        QCOMPARE(panel->geometry().bottom() + 1, w.height() - w.statusPanel()->height());
        QTRY_VERIFY(d.link("lblToday")->hasFocus());
        for (QWidget *shown : panel->findChildren<QWidget *>()) {
            const auto *label = qobject_cast<QLabel *>(shown);
            const auto *button = qobject_cast<QPushButton *>(shown);
            const QString text = label ? label->text() : button ? button->text() : QString();
            if (!text.isEmpty())
                QCOMPARE(QAccessible::queryAccessibleInterface(shown)->text(QAccessible::Name),
                         text);
        }

        if (how == "image")
            panel->findChild<QAbstractButton *>("Image2")->click();
        else if (how == "escape")
            QTest::keyClick(d.link("lblToday"), Qt::Key_Escape);
        else if (how == "background")
            QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(1, w.height() / 2));
        else
            w.textColumn()->setFocus();
        QVERIFY(!panel->isVisible());
        QTRY_VERIFY(w.textColumn()->hasFocus());
        QVERIFY(d.curFile().isEmpty());
    }

    void aLookUpHidesThePanel()
    {
        LoopbackHttpServer server;
        server.pages["/wiki/cat"] = "<p>Cats.</p>";
        DiaryWindow d(QDate(2027, 3, 5));
        QVERIFY(d.started);
        TfrmMain &w = d.fx.window();
        const QString row = settingsRoot() + "\\refs5";
        d.fx.store->regWriteString(row, "ref1", "Loopback");
        d.fx.store->regWriteString(row, "ref2", server.address("/wiki/%s"));
        w.references()->loadReferenceSources(*d.fx.store, settingsRoot());
        w.references()->sourceList()->setCurrentText("5. Loopback");
        w.references()->lstDictClick();
        w.textColumn()->replaceSelection("cat");
        w.textColumn()->select(0, 3);
        d.clickClock();
        QVERIFY(d.panel()->isVisible());
        w.editMenu()->mnuRefs->trigger();
        QVERIFY(!d.panel()->isVisible());
        QVERIFY(w.toolsPanel()->isVisible());
    }

    void closeLinkClosesTheDocument()
    {
        DiaryWindow d(QDate(2027, 3, 5));
        QVERIFY(d.started);
        QTest::mouseDClick(statusLabel(&d.fx.window(), "lblTime"), Qt::LeftButton);
        QVERIFY(!d.curFile().isEmpty());
        d.clickClock();
        d.link("lblClose")->click();
        QVERIFY(d.curFile().isEmpty());
        QVERIFY(!d.panel()->isVisible());
    }
};

CALMDESK_TEST_MAIN(TestDiary)
#include "tst_diary.moc"
