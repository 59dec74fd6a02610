// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakegoalsclock.h"
#include "goals/goalscontroller.h"
#include "goals/statuslabel.h"
#include "goals/statuspanel.h"
#include "goals/statusreport.h"
#include "platform/store/sqlitesettingsstore.h"
#include "platform/text/displaylinecounter.h"
#include "platform/text/textcontrol.h"
#include "settings/settings.h"
#include "statuslabels.h"
#include "testmain.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

using namespace calmdesk;
using calmdesk::test::IsolatedEnvironment;
using calmdesk::test::statusLabel;

namespace {

const QString kNovel = QStringLiteral("/home/writer/novel.txt");
const QColor kLime(0, 255, 0);
const QColor kGrey(192, 192, 192);
const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);
constexpr qint64 kSecond = 1000;

QColor fontColour(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

} // namespace

// The goals controller wired to a real text control, panel and store, with a clock
// the test moves: what a keystroke, a save or a tick shows in the status line.
class GoalsControllerTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<SqliteSettingsStore> store;
    std::unique_ptr<QWidget> window;
    TextControl *txtMain = nullptr;
    StatusPanel *pctStatus = nullptr;
    FakeGoalsClock clock;
    GoalsController *goals = nullptr;
    QString curFile;
    Settings settings;

    StatusLabel *label(const char *name) const { return statusLabel(pctStatus, name); }

    void typeText(const QString &text) { QTest::keyClicks(txtMain->focusProxy(), text); }
    void tickCron(qint64 ms)
    {
        for (qint64 step = 0; step < ms; step += GoalsController::kCronIntervalMs) {
            clock.advance(GoalsController::kCronIntervalMs);
            goals->tmrCronTimer();
        }
    }
    // Counts of the control's text from a plain recount.
    StatusReport recountedReport()
    {
        StatusInputs in;
        in.counts = countText(txtMain->text());
        in.displayLines = txtMain->displayLineCount();
        in.limits = goals->limits();
        in.perpage = settings.perpage;
        in.deadlines = settings.deadlines;
        in.curFile = curFile;
        in.now = clock.now;
        return statusReport(in);
    }
    StatusReport shownReport() const
    {
        auto state = [](const StatusLabel *label) {
            return LabelState{label->text(), label->tone()};
        };
        return {state(label("lblWord")), state(label("lblChar")), state(label("lblPara")),
                state(label("lblPage")), state(label("lblDeadline"))};
    }

private slots:
    void init()
    {
        IsolatedEnvironment::current()->reset();
        store = std::make_unique<SqliteSettingsStore>(SqliteSettingsStore::defaultPath());
        clock = FakeGoalsClock();
        curFile.clear();
        settings = Settings();
        settings.show_status = BarMode::Always;
        settings.show_word = settings.show_char = settings.show_para = settings.show_page = true;

        window = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(window.get());
        txtMain = new TextControl(TextKind::Uniform);
        pctStatus = new StatusPanel;
        layout->addWidget(txtMain);
        layout->addWidget(pctStatus);
        window->resize(900, 500);
        goals = new GoalsController(txtMain, pctStatus, *store, &clock, window.get());
        goals->setCurFileSource([this] { return curFile; });
        connect(txtMain, &TextControl::changed, goals, &GoalsController::txtMainChange);
        goals->applySettings(settings);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        txtMain->setFocus();
    }
    void cleanup()
    {
        window.reset();
        store.reset();
    }

    void typingMovesTheCounts()
    {
        typeText("Hello, world.");
        QCOMPARE(label("lblWord")->text(), QString("Words: 2/0"));
        QCOMPARE(label("lblChar")->text(), QString("Characters: 13 (10)/0"));
        QCOMPARE(label("lblPara")->text(), QString("Paragraphs: 1/0"));
        QCOMPARE(label("lblPage")->text(), QString("Pages: 1/0"));
        QTest::keyClick(txtMain->focusProxy(), Qt::Key_Return);
        QCOMPARE(label("lblPara")->text(), QString("Paragraphs: 2/0"));
        QTest::keyClick(txtMain->focusProxy(), Qt::Key_Return);
        QCOMPARE(label("lblPara")->text(), QString("Paragraphs: 2/0"));
        typeText("x");
        QCOMPARE(label("lblWord")->text(), QString("Words: 3/0"));
        QCOMPARE(label("lblChar")->text(), QString("Characters: 14 (11)/0"));
        QCOMPARE(shownReport(), recountedReport());
    }

    void changeHandlerRunsItsStepsInOrder()
    {
        settings.txtcore = true;
        goals->applySettings(settings);
        QStringList steps;
        connect(goals, &GoalsController::spellTimerStopRequested, this,
                [&] { steps << "stop spelling"; });
        connect(goals, &GoalsController::textEdited, this, [&] {
            steps << "edited";
            QCOMPARE(label("lblWord")->text(), QString("Words: 0/0"));
        });
        connect(goals, &GoalsController::autoCorrectRequested, this, [&] {
            steps << "auto-correct";
            QCOMPARE(label("lblHelp")->text(), QString("Press F1 for Help."));
        });
        connect(goals, &GoalsController::spellTimerRestartRequested, this, [&] {
            steps << "restart spelling";
            QCOMPARE(label("lblWord")->text(), QString("Words: 1/0"));
        });
        typeText("a");
        QCOMPARE(steps,
                 QStringList({"stop spelling", "edited", "auto-correct", "restart spelling"}));
    }

    void autoCorrectOnlyWhenSwitchedOn()
    {
        QSignalSpy autoCorrect(goals, &GoalsController::autoCorrectRequested);
        QSignalSpy edited(goals, &GoalsController::textEdited);
        typeText("ab");
        QCOMPARE(edited.count(), 2);
        QCOMPARE(autoCorrect.count(), 0);
    }

    void formattingAloneIsNoEdit()
    {
        typeText("words here");
        QSignalSpy stop(goals, &GoalsController::spellTimerStopRequested);
        QSignalSpy edited(goals, &GoalsController::textEdited);
        QSignalSpy restart(goals, &GoalsController::spellTimerRestartRequested);
        CharAttributes bold;
        bold.bold = true;
        txtMain->setCharAttributes(bold, FormatScope::AllText);
        QVERIFY(stop.count() >= 1);
        QCOMPARE(edited.count(), 0);
        QCOMPARE(restart.count(), 0);
    }

    void hiddenCopyChangesAreNoEdit()
    {
        TextControl reCopy;
        connect(&reCopy, &TextControl::changed, goals, &GoalsController::txtMainChange);
        QSignalSpy edited(goals, &GoalsController::textEdited);
        reCopy.setText("copied text");
        QCOMPARE(edited.count(), 0);
        QCOMPARE(label("lblWord")->text(), QString("Words: 0/0"));
    }

    void autoCorrectReplacementIsCountedAndSeen()
    {
        settings.txtcore = true;
        goals->applySettings(settings);
        int corrections = 0;
        connect(goals, &GoalsController::autoCorrectRequested, this, [&] {
            const QString text = txtMain->text();
            if (text.endsWith("teh ")) {
                ++corrections;
                txtMain->select(int(text.size()) - 4, 3);
                txtMain->replaceSelection("the");
            }
        });
        QSignalSpy edited(goals, &GoalsController::textEdited);
        typeText("teh ");
        QCOMPARE(txtMain->text(), QString("the "));
        QCOMPARE(corrections, 1);
        // The typed keys and the replacement inside the last one.
        QCOMPARE(edited.count(), 5);
        QCOMPARE(label("lblChar")->text(), QString("Characters: 4 (3)/0"));
        QCOMPARE(shownReport(), recountedReport());
    }

    void limitsFollowTheDocument()
    {
        curFile = kNovel;
        DocumentLimits limits;
        limits.limword = 3;
        limits.limpara = 1;
        goals->setLimits(limits);
        goals->saveLimits();
        QCOMPARE(store->regReadString(settingsRoot() + "\\limits", kNovel + ":limword"),
                 QString("3"));
        QCOMPARE(label("lblWord")->text(), QString("Words: 0/3"));

        typeText("one two");
        QCOMPARE(fontColour(label("lblWord")), kGrey);
        typeText(" six");
        QCOMPARE(label("lblWord")->text(), QString("Words: 3/3"));
        QCOMPARE(fontColour(label("lblWord")), kLime);
        QCOMPARE(fontColour(label("lblPara")), kGrey);
        QTest::keyClick(txtMain->focusProxy(), Qt::Key_Return);
        QCOMPARE(label("lblPara")->text(), QString("Paragraphs: 2/1"));
        QCOMPARE(fontColour(label("lblPara")), kLime);

        // Another document has none: the labels follow at once.
        curFile = "/home/writer/other.txt";
        goals->loadLimits();
        QCOMPARE(goals->limits(), DocumentLimits());
        QCOMPARE(label("lblWord")->text(), QString("Words: 3/0"));
        QCOMPARE(fontColour(label("lblWord")), kGrey);

        curFile = kNovel;
        goals->loadLimits();
        QCOMPARE(goals->limits(), limits);
    }

    void untitledLimitsGoWithTheFirstSave()
    {
        DocumentLimits limits;
        limits.limchar = 50;
        goals->setLimits(limits);
        goals->saveLimits();
        QCOMPARE(store->regReadString(settingsRoot() + "\\limits", ":limchar"), QString("50"));
        curFile = kNovel;
        goals->saveLimits();
        QCOMPARE(store->regReadString(settingsRoot() + "\\limits", kNovel + ":limchar"),
                 QString("50"));
    }

    void deadlineCountsDownAcrossMidnight()
    {
        settings.deadlines = true;
        goals->applySettings(settings);
        DocumentLimits limits;
        limits.deadlineDay = 2;
        limits.deadlineMonth = 12;
        limits.deadlineYear = 2026;
        goals->setLimits(limits);
        goals->updateStatus();
        QCOMPARE(label("lblDeadline")->text(), QString());

        curFile = kNovel;
        clock.now = QDateTime(QDate(2026, 12, 1), QTime(23, 59, 58));
        goals->updateStatus();
        QCOMPARE(label("lblDeadline")->text(), QString("1 day remaining"));
        QCOMPARE(fontColour(label("lblDeadline")), kGrey);
        clock.advance(2 * kSecond);
        typeText("x");
        QCOMPARE(label("lblDeadline")->text(), QString("Deadline reached (2-12-2026)"));
        QCOMPARE(fontColour(label("lblDeadline")), QColor(244, 130, 6));
    }

    void pagesFollowWrappedLines()
    {
        settings.perpage = 2;
        goals->applySettings(settings);
        txtMain->setText(QStringList(60, "word").join(' '));
        const int wide = txtMain->displayLineCount();
        QVERIFY(wide >= 1);
        QCOMPARE(label("lblPage")->text(), QString("Pages: %1/0").arg(wide / 2 + 1));

        window->resize(200, 500);
        QTRY_VERIFY(txtMain->displayLineCount() > wide + 2);
        goals->updateStatus();
        const int narrow = txtMain->displayLineCount();
        QCOMPARE(label("lblPage")->text(), QString("Pages: %1/0").arg(narrow / 2 + 1));
    }

    // A novel's lines are counted in the background: until then the page figure stays
    // as it was, every other figure is exact at once.
    void longTextKeepsThePageFigureUntilItsLinesAreCounted()
    {
        settings.perpage = 2;
        goals->applySettings(settings);
        txtMain->setText("one\r\ntwo\r\nthree\r\nfour\r\nfive");
        QCOMPARE(label("lblPage")->text(), QString("Pages: 3/0"));

        QSignalSpy counted(txtMain, &TextControl::displayLinesCounted);
        const QString paragraph = QStringList(40, "words").join(' ');
        const QStringList novel(int(DisplayLineCounter::kCountAtOnceCharacters / 100), paragraph);
        txtMain->setText(novel.join("\r\n"));
        QCOMPARE(label("lblPage")->text(), QString("Pages: 3/0"));
        QCOMPARE(label("lblWord")->text(), QString("Words: %1/0").arg(40 * novel.size()));

        QVERIFY(counted.wait(20000));
        QCOMPARE(shownReport(), recountedReport());
        QVERIFY(txtMain->displayLineCount() / 2 + 1 > 3);
    }

    void writingTimerRunsPausesAndResumes()
    {
        settings.cron_use = true;
        settings.cron_pause = 20;
        goals->applySettings(settings);
        QLabel *lblCron = label("lblCron");
        QVERIFY(lblCron->isVisible());
        QVERIFY(goals->cronTimer()->isActive());
        QCOMPARE(goals->cronTimer()->interval(), 200);

        typeText("a");
        tickCron(5 * kSecond);
        QCOMPARE(lblCron->text(), QString("00:00:05"));
        QCOMPARE(fontColour(lblCron), kWhite);
        QCOMPARE(lblCron->toolTip(), QString("Time spent writing"));

        tickCron(16 * kSecond);
        QCOMPARE(lblCron->text(), QString("00:00:01"));
        QCOMPARE(fontColour(lblCron), kRed);
        QCOMPARE(lblCron->toolTip(), QString("Writing timer is paused"));

        typeText("b");
        tickCron(kSecond);
        QCOMPARE(fontColour(lblCron), kWhite);
        QCOMPARE(lblCron->text(), QString("00:00:21"));

        // A save starts the count again.
        goals->resetWritingTimer();
        tickCron(kSecond);
        QCOMPARE(lblCron->text(), QString("00:00:01"));

        settings.cron_use = false;
        goals->applySettings(settings);
        QVERIFY(!lblCron->isVisible());
        QVERIFY(!goals->cronTimer()->isActive());
    }

    void alarmCountsDownToLime()
    {
        settings.alarmhh = 1;
        settings.alarmmm = 5;
        goals->applySettings(settings);
        QLabel *lblAlarm = label("lblAlarm");
        QCOMPARE(lblAlarm->text(), QString("Countdown: 1:05"));
        QCOMPARE(fontColour(lblAlarm), kWhite);
        QVERIFY(goals->alarmTimer()->isActive());
        QCOMPARE(goals->alarmTimer()->interval(), 60000);
        for (int minute = 0; minute < 64; ++minute)
            goals->tmrAlarmTimer();
        QCOMPARE(lblAlarm->text(), QString("Countdown: 0:01"));
        goals->tmrAlarmTimer();
        QCOMPARE(lblAlarm->text(), QString("Countdown: 00:00"));
        QCOMPARE(fontColour(lblAlarm), kLime);
        QVERIFY(!goals->alarmTimer()->isActive());
    }

    void noAlarmLeavesTheLabelAlone()
    {
        QCOMPARE(label("lblAlarm")->text(), QString("   "));
        QVERIFY(!goals->alarmTimer()->isActive());
        settings.alarmhh = 0;
        settings.alarmmm = 3;
        goals->applySettings(settings);
        settings.alarmmm = 0;
        goals->applySettings(settings);
        QVERIFY(!goals->alarmTimer()->isActive());
        QCOMPARE(label("lblAlarm")->text(), QString("Countdown: 0:03"));
    }

    void clockShowsTheTimeAllTheTime()
    {
        // The writing timer shows nothing until it is switched on and ticks.
        QCOMPARE(label("lblCron")->text(), QString(" "));
        QCOMPARE(label("lblTime")->text(), QString("10:20:30"));
        QVERIFY(goals->clockTimer()->isActive());
        clock.advance(61 * kSecond);
        goals->tmrClockTimer();
        QCOMPARE(label("lblTime")->text(), QString("10:21:31"));
        clock.now = QDateTime(QDate(2026, 12, 1), QTime(23, 5, 0));
        goals->tmrClockTimer();
        QCOMPARE(label("lblTime")->text(), QString("23:05:00"));
    }

    // The counts kept per paragraph match a plain recount after every kind of edit the
    // control knows: typing, breaks, selections replaced across paragraphs, deletion,
    // undo and redo, whole texts set.
    void keptCountsMatchRecountOverRandomEdits()
    {
        QRandomGenerator random(424242);
        const QStringList inserts = {"a",
                                     " ",
                                     "word ",
                                     "\r\n",
                                     "\r\n\r\n",
                                     ".",
                                     "x\r\ny",
                                     "\r\n\r\n\r\n",
                                     "",
                                     "'",
                                     QString(QChar(0xE9))};
        txtMain->setText("Start.\r\n\r\nSecond paragraph, here.\r\nThird");
        for (int step = 0; step < 400; ++step) {
            const int length = txtMain->textLength();
            const int action = int(random.bounded(10));
            if (action < 6) {
                const int start = int(random.bounded(length + 1));
                const int span = action < 3 ? 0 : int(random.bounded(qMin(12, length - start) + 1));
                txtMain->select(start, span);
                txtMain->replaceSelection(inserts.at(random.bounded(int(inserts.size()))));
            } else if (action == 6) {
                txtMain->undo();
            } else if (action == 7) {
                txtMain->redo();
            } else if (action == 8) {
                QTest::keyClick(txtMain->focusProxy(), Qt::Key_Backspace);
            } else if (random.bounded(20) == 0) {
                txtMain->setText(random.bounded(2) ? QString() : "fresh\r\n\r\ntext");
            } else {
                typeText("q ");
            }
            if (goals->counts() != countText(txtMain->text()))
                QFAIL(qPrintable(QStringLiteral("step %1 action %2").arg(step).arg(action)));
        }
        goals->updateStatus();
        QCOMPARE(shownReport(), recountedReport());
    }
};

CALMDESK_TEST_MAIN(GoalsControllerTest)
#include "tst_goalscontroller.moc"
