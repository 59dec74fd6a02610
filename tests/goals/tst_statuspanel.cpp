#include "goals/statuslabel.h"
#include "goals/statuspanel.h"
#include "goals/statusreport.h"
#include "settings/settings.h"
#include "testmain.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

using namespace calmdesk;

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
            {panel->lblWord, "Words: 0/0", QColor(128, 128, 128)},
            {panel->lblChar, "Characters: 0/0", QColor(128, 128, 128)},
            {panel->lblPara, "Paragraphs: 0/0", QColor(128, 128, 128)},
            {panel->lblPage, "Pages: 0/0", QColor(128, 128, 128)},
            {panel->lblHelp, "Press F1 for help.", QColor(0, 255, 0)},
            {panel->lblDeadline, " ", QColor(128, 128, 128)},
            {panel->lblFile, "(untitled)", QColor(128, 128, 128)},
            {panel->lblAlarm, "   ", QColor(128, 128, 128)},
            {panel->lblTime, "00:00:00 am", QColor(128, 128, 128)},
            {panel->lblCron, "00:00:00", QColor(255, 255, 255)},
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
        QVERIFY(panel->lblCron->font().bold());
        QVERIFY(!panel->lblWord->font().bold());
        QVERIFY(!panel->lblCron->isVisible());
        QCOMPARE(panel->height(), 24);
    }

    void hints()
    {
        QCOMPARE(panel->lblFile->toolTip(), QString("Click here for Recent Files"));
        QCOMPARE(panel->lblTime->toolTip(), QString("Diary pages"));
        QCOMPARE(panel->lblCron->toolTip(), QString("Time spent writing"));
    }

    void fixedPlacesFromTheLeft()
    {
        const struct
        {
            QLabel *label;
            QPoint at;
        } expected[] = {
            {panel->lblWord, {24, 6}},   {panel->lblChar, {112, 6}}, {panel->lblPara, {248, 6}},
            {panel->lblPage, {376, 6}},  {panel->lblHelp, {480, 6}}, {panel->lblDeadline, {624, 6}},
            {panel->lblAlarm, {800, 7}},
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
        QCOMPARE(panel->lblTime->pos(), QPoint(kWidth - 90, 6));
        QCOMPARE(panel->lblFile->x(), kWidth - 90 - 130);
        QVERIFY(panel->lblFile->alignment() & Qt::AlignRight);

        panel->setCronVisible(true);
        const QLabel *cron = panel->lblCron;
        QVERIFY(cron->isVisible());
        QCOMPARE(cron->x(), kWidth - 90 - cron->width() - 2);
        QCOMPARE(panel->lblFile->x(), cron->x() - 130);
        // The file name ends before the label to its right.
        QVERIFY(panel->lblFile->geometry().right() < cron->x());

        panel->resize(1280, StatusPanel::kHeight);
        QCOMPARE(panel->lblTime->x(), 1280 - 90);
        QCOMPARE(panel->lblFile->x(), panel->lblCron->x() - 130);

        panel->setCronVisible(false);
        QCOMPARE(panel->lblFile->x(), 1280 - 90 - 130);
    }

    void timerThatGrowsWithItsTextNeverCoversTheClock()
    {
        // At start the timer reads a single blank; its first tick widens it.
        panel->lblCron->display(" ", LabelTone::Quiet);
        panel->setCronVisible(true);
        panel->lblCron->display("00:00:05", LabelTone::Quiet);
        const QLabel *cron = panel->lblCron;
        QCOMPARE(cron->geometry().right() + 1 + 2, panel->lblTime->x());
        QVERIFY(panel->lblFile->geometry().right() < cron->x());
    }

    void labelsFitTheirText()
    {
        StatusReport report;
        report.characters = {"Characters: 123456 (100000)/200000", LabelTone::Met};
        panel->showReport(report);
        QVERIFY(panel->lblChar->width() >=
                panel->lblChar->fontMetrics().horizontalAdvance(report.characters.text));
        QCOMPARE(fontColour(panel->lblChar), QColor(0, 255, 0));
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
        QCOMPARE(panel->lblWord->text(), report.words.text);
        QCOMPARE(fontColour(panel->lblWord), QColor(192, 192, 192));
        QCOMPARE(fontColour(panel->lblPara), QColor(0, 255, 0));
        QCOMPARE(panel->lblDeadline->text(), report.deadline.text);
        QCOMPARE(fontColour(panel->lblDeadline), QColor(244, 130, 6));
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
        QCOMPARE(QAccessible::queryAccessibleInterface(panel->lblWord)->text(QAccessible::Name),
                 QString("Words: 12/500"));
    }

    void goalLabelsActAsTheClock()
    {
        QSignalSpy time(panel, &StatusPanel::timeLabelClicked);
        QSignalSpy help(panel, &StatusPanel::helpLabelClicked);
        const QList<QLabel *> forwarding = {panel->lblWord, panel->lblChar,     panel->lblPara,
                                            panel->lblPage, panel->lblDeadline, panel->lblAlarm,
                                            panel->lblTime};
        for (QLabel *label : forwarding)
            QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(time.count(), forwarding.size());
        QCOMPARE(help.count(), 0);

        QTest::mouseClick(panel->lblHelp, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(help.count(), 1);
        QCOMPARE(time.count(), forwarding.size());

        QSignalSpy diaryPage(panel, &StatusPanel::timeLabelDoubleClicked);
        QTest::mouseDClick(panel->lblTime, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(diaryPage.count(), 1);
    }

    void fileLabelReportsItsMouseUp()
    {
        QSignalSpy up(panel, &StatusPanel::fileLabelMouseUp);
        QSignalSpy time(panel, &StatusPanel::timeLabelClicked);
        const QPoint inside(5, 3);
        QTest::mouseClick(panel->lblFile, Qt::RightButton, {}, inside);
        QCOMPARE(up.count(), 1);
        QCOMPARE(up.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
        QCOMPARE(up.at(0).at(1).toPoint(), panel->lblFile->mapToGlobal(inside));
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
        for (const QLabel *label : {panel->lblHelp, panel->lblFile, panel->lblTime})
            QCOMPARE(label->isVisibleTo(panel), fixedLabelsVisible);
        QCOMPARE(panel->lblWord->isVisibleTo(panel), fixedLabelsVisible);
        QCOMPARE(panel->lblPara->isVisibleTo(panel), fixedLabelsVisible);
        QVERIFY(!panel->lblChar->isVisibleTo(panel));
        QVERIFY(!panel->lblPage->isVisibleTo(panel));
        QCOMPARE(panel->lblDeadline->isVisibleTo(panel), deadlineVisible);
    }
};

CALMDESK_TEST_MAIN(StatusPanelTest)
#include "tst_statuspanel.moc"
