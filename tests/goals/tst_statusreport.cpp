// SPDX-License-Identifier: GPL-3.0-or-later
#include "goals/statusreport.h"
#include "testmain.h"

#include <QTest>

using namespace calmdesk;

Q_DECLARE_METATYPE(calmdesk::LabelTone)

namespace {

const QString kFile = QStringLiteral("/home/writer/novel.txt");

StatusInputs inputsFor(const QString &text)
{
    StatusInputs in;
    in.counts = countText(text);
    in.displayLines = 1;
    in.perpage = 24;
    in.curFile = kFile;
    in.now = QDateTime(QDate(2026, 12, 1), QTime(12, 0));
    return in;
}

DocumentLimits deadlineOn(int day, int month, int year)
{
    DocumentLimits limits;
    limits.deadlineDay = day;
    limits.deadlineMonth = month;
    limits.deadlineYear = year;
    return limits;
}

} // namespace

// What the goal labels say and how they are painted.
class StatusReportTest : public QObject
{
    Q_OBJECT

private slots:
    void emptyDocumentWithoutLimits()
    {
        const StatusReport report = statusReport(inputsFor(QString()));
        QCOMPARE(report.words.text, QString("Words: 0/0"));
        QCOMPARE(report.characters.text, QString("Characters: 0 (0)/0"));
        QCOMPARE(report.paragraphs.text, QString("Paragraphs: 1/0"));
        QCOMPARE(report.pages.text, QString("Pages: 1/0"));
        QCOMPARE(report.deadline.text, QString());
        for (const LabelState *label :
             {&report.words, &report.characters, &report.paragraphs, &report.pages})
            QCOMPARE(label->tone, LabelTone::NotMet);
    }

    void figuresAgainstLimits()
    {
        StatusInputs in = inputsFor("ab\r\n\r\ncd, ef.");
        in.limits.limchar = 1000;
        in.limits.limword = 500;
        in.limits.limpara = 7;
        in.limits.limpage = 3;
        const StatusReport report = statusReport(in);
        QCOMPARE(report.words.text, QString("Words: 3/500"));
        QCOMPARE(report.characters.text, QString("Characters: 9 (6)/1000"));
        QCOMPARE(report.paragraphs.text, QString("Paragraphs: 2/7"));
        QCOMPARE(report.pages.text, QString("Pages: 1/3"));
    }

    void pagesFollowDisplayLines_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("perpage");
        QTest::addColumn<QString>("expected");
        QTest::newRow("23 lines are page 1") << 23 << 24 << "Pages: 1/0";
        QTest::newRow("24 lines are page 2") << 24 << 24 << "Pages: 2/0";
        QTest::newRow("47 lines are page 2") << 47 << 24 << "Pages: 2/0";
        QTest::newRow("48 lines are page 3") << 48 << 24 << "Pages: 3/0";
        QTest::newRow("no lines") << 0 << 24 << "Pages: 1/0";
        QTest::newRow("page size 0 never breaks") << 500 << 0 << "Pages: 1/0";
    }
    void pagesFollowDisplayLines()
    {
        QFETCH(int, lines);
        QFETCH(int, perpage);
        QFETCH(QString, expected);
        StatusInputs in = inputsFor("text");
        in.displayLines = lines;
        in.perpage = perpage;
        QCOMPARE(statusReport(in).pages.text, expected);
    }

    void goalColours_data()
    {
        QTest::addColumn<QString>("goal");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("reached");
        QTest::addColumn<LabelTone>("tone");
        // Words and characters are met when the shown figure equals the limit; pages
        // and paragraphs only once the shown figure is above it.
        QTest::newRow("words one short") << "words" << 100 << 99 << LabelTone::NotMet;
        QTest::newRow("words at the limit") << "words" << 100 << 100 << LabelTone::Met;
        QTest::newRow("words past the limit") << "words" << 100 << 101 << LabelTone::Met;
        QTest::newRow("words limit 0") << "words" << 0 << 5 << LabelTone::NotMet;
        QTest::newRow("characters at the limit") << "characters" << 4 << 4 << LabelTone::Met;
        QTest::newRow("characters one short") << "characters" << 5 << 4 << LabelTone::NotMet;
        QTest::newRow("characters limit 0") << "characters" << 0 << 0 << LabelTone::NotMet;
        QTest::newRow("paragraphs shown at the limit")
            << "paragraphs" << 3 << 3 << LabelTone::NotMet;
        QTest::newRow("paragraphs shown past the limit")
            << "paragraphs" << 3 << 4 << LabelTone::Met;
        QTest::newRow("paragraphs limit 0") << "paragraphs" << 0 << 9 << LabelTone::NotMet;
        QTest::newRow("pages shown at the limit") << "pages" << 3 << 3 << LabelTone::NotMet;
        QTest::newRow("pages shown past the limit") << "pages" << 3 << 4 << LabelTone::Met;
        QTest::newRow("pages limit 0") << "pages" << 0 << 9 << LabelTone::NotMet;
    }
    // `reached` is the figure the label shows.
    void goalColours()
    {
        QFETCH(QString, goal);
        QFETCH(int, limit);
        QFETCH(int, reached);
        QFETCH(LabelTone, tone);
        StatusInputs in = inputsFor(QString());
        LabelState StatusReport::*label = nullptr;
        if (goal == "words") {
            in.counts = countText(QStringList(reached, "w").join(' '));
            in.limits.limword = limit;
            label = &StatusReport::words;
        } else if (goal == "characters") {
            in.counts = countText(QString(reached, 'c'));
            in.limits.limchar = limit;
            label = &StatusReport::characters;
        } else if (goal == "paragraphs") {
            in.counts = countText(QStringList(reached, "p").join("\r\n"));
            in.limits.limpara = limit;
            label = &StatusReport::paragraphs;
        } else {
            in.displayLines = reached * in.perpage - 1;
            in.limits.limpage = limit;
            label = &StatusReport::pages;
        }
        const LabelState shown = statusReport(in).*label;
        QVERIFY2(shown.text.contains(QStringLiteral(": %1").arg(reached)), qPrintable(shown.text));
        QCOMPARE(shown.tone, tone);
    }

    void deadline_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("text");
        QTest::addColumn<LabelTone>("tone");
        const QDate deadline(2026, 12, 9);
        QTest::newRow("three days ahead at midnight")
            << QDateTime(deadline.addDays(-3), QTime(0, 0)) << "4 days remaining"
            << LabelTone::NotMet;
        QTest::newRow("three days ahead at noon") << QDateTime(deadline.addDays(-3), QTime(12, 0))
                                                  << "3 days remaining" << LabelTone::NotMet;
        QTest::newRow("the day before, just after midnight")
            << QDateTime(deadline.addDays(-1), QTime(0, 0, 1)) << "1 day remaining"
            << LabelTone::NotMet;
        QTest::newRow("the day before, last second")
            << QDateTime(deadline.addDays(-1), QTime(23, 59, 59)) << "1 day remaining"
            << LabelTone::NotMet;
        QTest::newRow("midnight of the day")
            << QDateTime(deadline, QTime(0, 0)) << "Deadline reached (9-12-2026)"
            << LabelTone::Overdue;
        QTest::newRow("long after") << QDateTime(QDate(2027, 3, 1), QTime(8, 0))
                                    << "Deadline reached (9-12-2026)" << LabelTone::Overdue;
    }
    void deadline()
    {
        QFETCH(QDateTime, now);
        QFETCH(QString, text);
        QFETCH(LabelTone, tone);
        const LabelState label = deadlineLabel(deadlineOn(9, 12, 2026), true, kFile, now);
        QCOMPARE(label.text, text);
        QCOMPARE(label.tone, tone);
    }

    void deadlineHidden_data()
    {
        QTest::addColumn<bool>("deadlines");
        QTest::addColumn<QString>("curFile");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        // A stored display value other than 1 is off already when it is loaded.
        QTest::newRow("display off") << false << kFile << 9 << 12 << 2026;
        QTest::newRow("untitled document") << true << "" << 9 << 12 << 2026;
        QTest::newRow("blank path is untitled") << true << "  " << 9 << 12 << 2026;
        QTest::newRow("no day") << true << kFile << 0 << 12 << 2026;
        QTest::newRow("no month") << true << kFile << 9 << 0 << 2026;
        QTest::newRow("no year") << true << kFile << 9 << 12 << 0;
        QTest::newRow("no such date") << true << kFile << 31 << 2 << 2026;
    }
    void deadlineHidden()
    {
        QFETCH(bool, deadlines);
        QFETCH(QString, curFile);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        const LabelState label = deadlineLabel(deadlineOn(day, month, year), deadlines, curFile,
                                               QDateTime(QDate(2026, 1, 1), QTime(9, 0)));
        QCOMPARE(label.text, QString());
    }
};

CALMDESK_TEST_MAIN_CORE(StatusReportTest)
#include "tst_statusreport.moc"
