// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/entry/startupplan.h"
#include "testmain.h"

#include <QSet>
#include <QTest>

using namespace calmdesk;

namespace {

std::function<bool(const QString &)> existing(const QStringList &files)
{
    const QSet<QString> set(files.begin(), files.end());
    return [set](const QString &path) {
        return set.contains(path);
    };
}

} // namespace

class TestStartupPlan : public QObject
{
    Q_OBJECT

private slots:
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("hidden");

        QTest::newRow("nothing") << QStringList{} << "" << false;
        QTest::newRow("a file") << QStringList{"/w/a.txt"} << "/w/a.txt" << false;
        QTest::newRow("blanks around the path are trimmed")
            << QStringList{"  /w/a.txt "} << "/w/a.txt" << false;
        QTest::newRow("/auto then a file: opened and hidden")
            << QStringList{"/auto", "/w/a.txt"} << "/w/a.txt" << true;
        QTest::newRow("a file then /auto: the window's pass stops at the file")
            << QStringList{"/w/a.txt", "/AUTO"} << "/w/a.txt" << false;
        QTest::newRow("-auto in capitals counts") << QStringList{"-Auto"} << "" << true;
        QTest::newRow("a missing file is skipped for the next")
            << QStringList{"/w/missing.txt", "/w/b.txt"} << "/w/b.txt" << false;
        QTest::newRow("letter case is kept: a differently-cased name is another file")
            << QStringList{"/w/A.TXT"} << "" << false;
        QTest::newRow("only the first existing file opens")
            << QStringList{"/w/a.txt", "/w/b.txt"} << "/w/a.txt" << false;
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, path);
        QFETCH(bool, hidden);
        const CommandLineDocument result =
            examineCommandLine(arguments, existing({"/w/a.txt", "/w/b.txt"}));
        QCOMPARE(result.path, path);
        QCOMPARE(result.startHidden, hidden);
    }

    void entryPassHidesForAnAutoAnywhere()
    {
        QVERIFY(commandLineAsksHidden({"/w/a.txt", " /auto "}));
        QVERIFY(!commandLineAsksHidden({"/w/a.txt", "auto"}));
    }

    void firstDocument_data()
    {
        QTest::addColumn<int>("openlst");
        QTest::addColumn<QString>("lastKnown");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("create");

        QTest::newRow("0: the untitled document stays") << 0 << "/w/a.txt"
                                                        << "" << false;
        QTest::newRow("negative: nothing") << -1 << "/w/a.txt"
                                           << "" << false;
        QTest::newRow("1: the last edited file") << 1 << " /w/a.txt "
                                                 << "/w/a.txt" << false;
        QTest::newRow("1: a last file that is gone: nothing") << 1 << "/w/gone.txt"
                                                              << "" << false;
        QTest::newRow("1: no last file: nothing") << 1 << ""
                                                  << "" << false;
        QTest::newRow("2: today's diary page, made when missing")
            << 2 << ""
            << "/diary/08-12-2026.txt" << true;
        QTest::newRow("3: the newest diary page") << 3 << ""
                                                  << "/diary/07-12-2026.txt" << false;
        QTest::newRow("4: nothing") << 4 << "/w/a.txt"
                                    << "" << false;
    }

    void firstDocument()
    {
        QFETCH(int, openlst);
        QFETCH(QString, lastKnown);
        QFETCH(QString, path);
        QFETCH(bool, create);

        QString searchedFolder;
        FirstDocumentInputs in;
        in.openlst = StartupDocument(openlst);
        in.lastKnown = lastKnown;
        in.diaryDir = "/diary";
        in.today = QDate(2026, 12, 8);
        in.fileExists = existing({"/w/a.txt"});
        in.findNewestFile = [&](const QString &folder, const QString &mask) {
            searchedFolder = folder;
            return mask == "*.txt" ? folder + "07-12-2026.txt" : QString();
        };
        const FirstDocument result = chooseFirstDocument(in);
        QCOMPARE(result.path, path);
        QCOMPARE(result.createIfMissing, create);
        if (openlst == 3)
            QCOMPARE(searchedFolder, QStringLiteral("/diary/"));
    }

    void noDiaryPageLeavesTheUntitledDocument()
    {
        FirstDocumentInputs in;
        in.openlst = StartupDocument::LastDiaryPage;
        in.diaryDir = "/diary/";
        in.findNewestFile = [](const QString &, const QString &) {
            return QString();
        };
        QVERIFY(chooseFirstDocument(in).path.isEmpty());
    }
};

CALMDESK_TEST_MAIN_CORE(TestStartupPlan)
#include "tst_startupplan.moc"
