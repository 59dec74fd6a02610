// SPDX-License-Identifier: GPL-3.0-or-later
#include "goals/statuslabel.h"
#include "goals/statuspanel.h"
#include "goals/statusreport.h"
#include "settings/settings.h"
#include "statuslabels.h"
#include "testmain.h"

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

using namespace calmdesk;
using calmdesk::test::statusLabel;

namespace {

constexpr int kWidth = 1920;
const QColor kBackground(24, 30, 36);

QColor fontColour(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

} // namespace

// The status line as the writer sees it: captions, colours, places, and clicks.
class StatusPanelTest : public QObject
{
    Q_OBJECT

    StatusPanel *panel = nullptr;

    StatusLabel *label(const char *name) const { return statusLabel(panel, name); }

private slots:
    void init()
    {
        panel = new StatusPanel;
        panel->resize(kWidth, StatusPanel::kHeight);
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel));
    }
    void cleanup() { delete panel; }

    void initialCaptionsAndColours()
    {
        const struct
        {
            StatusLabel *label;
            const char *caption;
            QColor colour;
        } expected[] = {
            {label("lblWord"), "Words: 0/0", QColor(128, 128, 128)},
            {label("lblChar"), "Characters: 0/0", QColor(128, 128, 128)},
            {label("lblPara"), "Paragraphs: 0/0", QColor(128, 128, 128)},
            {label("lblPage"), "Pages: 0/0", QColor(128, 128, 128)},
            {label("lblHelp"), "Press F1 for help.", QColor(0, 255, 0)},
            {label("lblDeadline"), " ", QColor(128, 128, 128)},
            {label("lblFile"), "(untitled)", QColor(128, 128, 128)},
            {label("lblAlarm"), "   ", QColor(128, 128, 128)},
            {label("lblTime"), "00:00:00 am", QColor(128, 128, 128)},
            {label("lblCron"), "00:00:00", QColor(255, 255, 255)},
        };
        for (const auto &e : expected) {
            QCOMPARE(e.label->text(), QString(e.caption));
            QCOMPARE(fontColour(e.label), e.colour);
            QCOMPARE(e.label->palette().color(QPalette::Window), kBackground);
            QVERIFY(e.label->autoFillBackground());
            QCOMPARE(e.label->font().pixelSize(), 11);
            QCOMPARE(e.label->font().families().value(0), QString("Tahoma"));
        }
        QCOMPARE(panel->palette().color(QPalette::Window), kBackground);
        QVERIFY(label("lblCron")->font().bold());
        QVERIFY(!label("lblWord")->font().bold());
        QVERIFY(!label("lblCron")->isVisible());
        QCOMPARE(panel->height(), 24);
    }

    void hints()
    {
        QCOMPARE(label("lblFile")->toolTip(), QString("Click here for Recent Files"));
        QCOMPARE(label("lblTime")->toolTip(), QString("Diary pages"));
        QCOMPARE(label("lblCron")->toolTip(), QString("Time spent writing"));
    }

    void fixedPlacesFromTheLeft()
    {
        const struct
        {
            QLabel *label;
            QPoint at;
        } expected[] = {
            {label("lblWord"), {24, 6}},   {label("lblChar"), {112, 6}},
            {label("lblPara"), {248, 6}},  {label("lblPage"), {376, 6}},
            {label("lblHelp"), {480, 6}},  {label("lblDeadline"), {624, 6}},
            {label("lblAlarm"), {800, 7}},
        };
        for (const auto &e : expected)
            QCOMPARE(e.label->pos(), e.at);
        // Every label stays inside the 24-pixel strip.
        for (const QLabel *label : panel->findChildren<QLabel *>())
            QVERIFY2(label->geometry().bottom() < StatusPanel::kHeight,
                     qPrintable(label->objectName()));
    }

    void rightHandGroupFollowsTheWidthAndTheTimer()
    {
        QCOMPARE(label("lblTime")->pos(), QPoint(kWidth - 90, 6));
        QCOMPARE(label("lblFile")->x(), kWidth - 90 - 130);
        QVERIFY(label("lblFile")->alignment() & Qt::AlignRight);

        panel->setTimerVisible(true);
        const QLabel *cron = label("lblCron");
        QVERIFY(cron->isVisible());
        QCOMPARE(cron->x(), kWidth - 90 - cron->width() - 2);
        QCOMPARE(label("lblFile")->x(), cron->x() - 130);
        // The file name ends before the label to its right.
        QVERIFY(label("lblFile")->geometry().right() < cron->x());

        panel->resize(1280, StatusPanel::kHeight);
        QCOMPARE(label("lblTime")->x(), 1280 - 90);
        QCOMPARE(label("lblFile")->x(), label("lblCron")->x() - 130);

        panel->setTimerVisible(false);
        QCOMPARE(label("lblFile")->x(), 1280 - 90 - 130);
        // The file menu opens at the name's right end, level with the panel's top.
        QCOMPARE(panel->fileMenuPosition(), panel->mapToGlobal(QPoint(1280 - 90 - 130 + 126, 0)));
    }

    void timerThatGrowsWithItsTextNeverCoversTheClock()
    {
        // At start the timer reads a single blank; its first tick widens it.
        panel->clearTimer();
        panel->setTimerVisible(true);
        panel->showTimer("00:00:05", false);
        const QLabel *cron = label("lblCron");
        QCOMPARE(cron->geometry().right() + 1 + 2, label("lblTime")->x());
        QVERIFY(label("lblFile")->geometry().right() < cron->x());
    }

    void labelsFitTheirText()
    {
        StatusReport report;
        report.characters = {"Characters: 123456 (100000)/200000", LabelTone::Met};
        panel->showReport(report);
        QVERIFY(label("lblChar")->width() >=
                label("lblChar")->fontMetrics().horizontalAdvance(report.characters.text));
        QCOMPARE(fontColour(label("lblChar")), QColor(0, 255, 0));
    }

    void reportIsPainted()
    {
        StatusReport report;
        report.words = {"Words: 12/500", LabelTone::NotMet};
        report.characters = {"Characters: 60 (50)/0", LabelTone::NotMet};
        report.paragraphs = {"Paragraphs: 4/3", LabelTone::Met};
        report.pages = {"Pages: 1/0", LabelTone::NotMet};
        report.deadline = {"Deadline reached (9-12-2026)", LabelTone::Overdue};
        panel->showReport(report);
        QCOMPARE(label("lblWord")->text(), report.words.text);
        QCOMPARE(fontColour(label("lblWord")), QColor(192, 192, 192));
        QCOMPARE(fontColour(label("lblPara")), QColor(0, 255, 0));
        QCOMPARE(label("lblDeadline")->text(), report.deadline.text);
        QCOMPARE(fontColour(label("lblDeadline")), QColor(244, 130, 6));
    }

    // A screen reader reads what the label shows, never the component's name.
    void labelsSpeakTheirVisibleText()
    {
        StatusReport report;
        report.words = {"Words: 12/500", LabelTone::NotMet};
        panel->showReport(report);
        for (const QLabel *label : panel->findChildren<QLabel *>()) {
            QAccessibleInterface *accessible =
                QAccessible::queryAccessibleInterface(const_cast<QLabel *>(label));
            QVERIFY(accessible);
            QCOMPARE(accessible->text(QAccessible::Name), label->text());
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(label("lblWord"))->text(QAccessible::Name),
                 QString("Words: 12/500"));
    }

    void goalLabelsActAsTheClock()
    {
        QSignalSpy time(panel, &StatusPanel::timeLabelClicked);
        QSignalSpy help(panel, &StatusPanel::helpLabelClicked);
        const QList<QLabel *> forwarding = {
            label("lblWord"),     label("lblChar"),  label("lblPara"), label("lblPage"),
            label("lblDeadline"), label("lblAlarm"), label("lblTime")};
        for (QLabel *label : forwarding)
            QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(time.count(), forwarding.size());
        QCOMPARE(help.count(), 0);

        QTest::mouseClick(label("lblHelp"), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(help.count(), 1);
        QCOMPARE(time.count(), forwarding.size());

        // A double click as the desktop delivers it: a click, then a press that is the
        // double click, then its release, which is no click of its own (the diary panel
        // the first click opened is not opened again after the double click's page).
        QSignalSpy diaryPage(panel, &StatusPanel::timeLabelDoubleClicked);
        QLabel *clock = label("lblTime");
        const QPoint at(2, 2);
        QTest::mouseClick(clock, Qt::LeftButton, {}, at);
        QMouseEvent doubleClick(QEvent::MouseButtonDblClick, at, clock->mapToGlobal(at),
                                Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(clock, &doubleClick);
        QTest::mouseRelease(clock, Qt::LeftButton, {}, at);
        QCOMPARE(diaryPage.count(), 1);
        QCOMPARE(time.count(), forwarding.size() + 1);
    }

    void fileLabelReportsItsMouseUp()
    {
        QSignalSpy up(panel, &StatusPanel::fileLabelMouseUp);
        QSignalSpy time(panel, &StatusPanel::timeLabelClicked);
        const QPoint inside(5, 3);
        QTest::mouseClick(label("lblFile"), Qt::RightButton, {}, inside);
        QCOMPARE(up.count(), 1);
        QCOMPARE(up.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
        QCOMPARE(up.at(0).at(1).toPoint(), label("lblFile")->mapToGlobal(inside));
        QCOMPARE(time.count(), 0);
    }

    void visibilityFromSettings_data()
    {
        QTest::addColumn<int>("showStatus");
        QTest::addColumn<bool>("deadlines");
        QTest::addColumn<bool>("panelVisible");
        QTest::addColumn<bool>("fixedLabelsVisible");
        QTest::addColumn<bool>("deadlineVisible");
        QTest::newRow("never") << 0 << true << false << false << false;
        QTest::newRow("always") << 1 << true << true << true << true;
        QTest::newRow("always, no deadline") << 1 << false << true << true << false;
        QTest::newRow("auto-hide starts hidden") << 2 << true << false << true << true;
        QTest::newRow("a stored mode out of range: labels on a panel never shown")
            << 7 << true << false << true << true;
    }
    void visibilityFromSettings()
    {
        QFETCH(int, showStatus);
        QFETCH(bool, deadlines);
        QFETCH(bool, panelVisible);
        QFETCH(bool, fixedLabelsVisible);
        QFETCH(bool, deadlineVisible);
        Settings s;
        s.show_status = BarMode(showStatus);
        s.deadlines = deadlines;
        s.show_word = true;
        s.show_char = false;
        s.show_para = true;
        s.show_page = false;
        panel->applySettings(s);
        QCOMPARE(panel->isVisible(), panelVisible);
        for (const QLabel *label : {label("lblHelp"), label("lblFile"), label("lblTime")})
            QCOMPARE(label->isVisibleTo(panel), fixedLabelsVisible);
        QCOMPARE(label("lblWord")->isVisibleTo(panel), fixedLabelsVisible);
        QCOMPARE(label("lblPara")->isVisibleTo(panel), fixedLabelsVisible);
        QVERIFY(!label("lblChar")->isVisibleTo(panel));
        QVERIFY(!label("lblPage")->isVisibleTo(panel));
        QCOMPARE(label("lblDeadline")->isVisibleTo(panel), deadlineVisible);
    }
};

CALMDESK_TEST_MAIN(StatusPanelTest)
#include "tst_statuspanel.moc"
