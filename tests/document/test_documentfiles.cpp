// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/documentfiles.h"
#include "testmain.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace calmdesk;
using calmdesk::test::IsolatedEnvironment;

namespace {

void makeFile(const QString &path, const QDateTime &modified)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("x");
    file.flush(); // a write still buffered at close would move the time again
    QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
    file.close();
}

} // namespace

class TestDocumentFiles : public QObject
{
    Q_OBJECT

    QString folder() const { return IsolatedEnvironment::current()->root() + "/docs/"; }

private slots:
    void init()
    {
        IsolatedEnvironment::current()->reset();
        QVERIFY(QDir().mkpath(folder()));
    }

    void companionNames_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("scratchpad");
        QTest::addColumn<QString>("references");

        QTest::newRow("extension replaced") << "/w/story.txt"
                                            << "/w/story-Scratchpad.rtf"
                                            << "/w/story-References.txt";
        QTest::newRow("no extension: suffix appended") << "/w/notes"
                                                       << "/w/notes-Scratchpad.rtf"
                                                       << "/w/notes-References.txt";
        QTest::newRow("a dot in a folder name is not an extension")
            << "/w/v1.2/notes"
            << "/w/v1.2/notes-Scratchpad.rtf"
            << "/w/v1.2/notes-References.txt";
        QTest::newRow("only the last dot counts") << "/w/a.b.txt"
                                                  << "/w/a.b-Scratchpad.rtf"
                                                  << "/w/a.b-References.txt";
        QTest::newRow("hidden file's name is all extension") << "/w/.notes"
                                                             << "/w/-Scratchpad.rtf"
                                                             << "/w/-References.txt";
    }

    void companionNames()
    {
        QFETCH(QString, document);
        QFETCH(QString, scratchpad);
        QFETCH(QString, references);
        QCOMPARE(scratchpadCompanion(document), scratchpad);
        QCOMPARE(referencesCompanion(document), references);
    }

    void newestFileWins()
    {
        const QDateTime now = QDateTime::currentDateTime();
        makeFile(folder() + "01-12-2026.txt", now.addDays(-7));
        makeFile(folder() + "07-12-2026.txt", now.addDays(-1));
        makeFile(folder() + "03-12-2026.txt", now.addDays(-5));
        makeFile(folder() + "newer.rtf", now);
        QCOMPARE(findNewestFile(folder(), "*.txt"), folder() + "07-12-2026.txt");
    }

    void newestFileMaskIgnoresLetterCase()
    {
        makeFile(folder() + "OLD.TXT", QDateTime::currentDateTime());
        QCOMPARE(findNewestFile(folder(), "*.txt"), folder() + "OLD.TXT");
    }

    void noMatchingFileGivesEmpty()
    {
        makeFile(folder() + "a.rtf", QDateTime::currentDateTime());
        QVERIFY(QDir().mkpath(folder() + "sub.txt"));
        QVERIFY(findNewestFile(folder(), "*.txt").isEmpty());
        QVERIFY(findNewestFile(folder() + "missing/", "*.txt").isEmpty());
    }

    void missingFileIsCreatedEmpty()
    {
        const QString path = folder() + "08-12-2026.txt";
        QVERIFY(createFileIfMissing(path));
        QVERIFY(QFileInfo::exists(path));
        QCOMPARE(QFileInfo(path).size(), 0);
    }

    void existingFileIsLeftAlone()
    {
        const QString path = folder() + "kept.txt";
        makeFile(path, QDateTime::currentDateTime());
        QVERIFY(createFileIfMissing(path));
        QCOMPARE(QFileInfo(path).size(), 1);
    }

    void fileInAMissingFolderCannotBeCreated()
    {
        QVERIFY(!createFileIfMissing(folder() + "nope/x.txt"));
    }
};

CALMDESK_TEST_MAIN_CORE(TestDocumentFiles)
#include "test_documentfiles.moc"
