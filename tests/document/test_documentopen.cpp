// SPDX-License-Identifier: GPL-3.0-or-later
// Opening, reloading and starting documents, and the save question that guards them.

#include "filehelpers.h"
#include "handlerfixture.h"
#include "testmain.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace calmdesk;
using namespace calmdesk::test;

Q_DECLARE_METATYPE(calmdesk::Answer)

class TestDocumentOpen : public QObject
{
    Q_OBJECT

    std::unique_ptr<HandlerFixture> f;

    static QString path(const QString &name) { return HandlerFixture::folder() + name; }

    // A named document with unsaved changes: "a.txt" holding "old", edited to "old new".
    void openEditedDocument()
    {
        QVERIFY(writeBytes(path("a.txt"), "old"));
        QVERIFY(f->handler.openDocument(path("a.txt")));
        f->type(" new");
        QVERIFY(!f->handler.isSaved());
    }

private slots:
    void init()
    {
        IsolatedEnvironment::current()->reset();
        f = std::make_unique<HandlerFixture>();
    }
    void cleanup() { f.reset(); }

    void startsUntitledAndSaved()
    {
        QCOMPARE(f->handler.curFile(), QString());
        QVERIFY(f->handler.isSaved());
        QCOMPARE(f->lblFile->text(), "(untitled)");
        QCOMPARE(f->labelColour(), kGrey);
    }

    void openShowsTextAndNamesDocument()
    {
        QVERIFY(writeBytes(path("story.txt"), "one\ntwo\n"));
        QSignalSpy opened(&f->handler, &DocumentHandler::documentOpened);

        QVERIFY(f->handler.openDocument(path("story.txt")));

        QCOMPARE(f->txtMain->text(), "one\r\ntwo\r\n");
        QCOMPARE(f->handler.curFile(), path("story.txt"));
        QVERIFY(f->handler.isSaved());
        QCOMPARE(f->lblFile->text(), "story.txt");
        QCOMPARE(f->lblFile->toolTip(), path("story.txt"));
        QCOMPARE(f->labelColour(), kGrey);
        QCOMPARE(opened.count(), 1);
        QCOMPARE(opened.first().first().toString(), path("story.txt"));
        QVERIFY(f->messages.shown.isEmpty());
    }

    void openedSignalSeesTheNewState()
    {
        QVERIFY(writeBytes(path("story.txt"), "x"));
        f->type("typed");
        f->messages.answers << Answer::No;
        QString curFileSeen;
        bool savedSeen = false;
        QString captionSeen;
        connect(&f->handler, &DocumentHandler::documentOpened, this, [&] {
            curFileSeen = f->handler.curFile();
            savedSeen = f->handler.isSaved();
            captionSeen = f->lblFile->text();
        });
        QVERIFY(f->handler.openDocument(path("story.txt")));
        QCOMPARE(curFileSeen, path("story.txt"));
        QVERIFY(savedSeen);
        QCOMPARE(captionSeen, "story.txt");
    }

    void pathIsUsedAsTyped()
    {
        QVERIFY(writeBytes(path("Mixed Case.TXT"), "x"));
        QVERIFY(f->handler.openDocument(path("Mixed Case.TXT")));
        QCOMPARE(f->handler.curFile(), path("Mixed Case.TXT"));
        QCOMPARE(f->lblFile->text(), "Mixed Case.TXT");
    }

    void emptyPathAsksForFile()
    {
        QVERIFY(writeBytes(path("chosen.txt"), "chosen"));
        f->dialogs.paths << path("chosen.txt");
        QVERIFY(f->handler.openDocument());
        QCOMPARE(f->dialogs.openCount, 1);
        QCOMPARE(f->handler.curFile(), path("chosen.txt"));
        QCOMPARE(f->txtMain->text(), "chosen");
    }

    void cancelledOpenDialogChangesNothing()
    {
        f->type("draft");
        f->messages.answers << Answer::No;
        QSignalSpy opened(&f->handler, &DocumentHandler::documentOpened);
        QVERIFY(!f->handler.openDocument());
        QCOMPARE(f->dialogs.openCount, 1);
        QCOMPARE(f->txtMain->text(), "draft");
        QVERIFY(!f->handler.isSaved());
        QCOMPARE(opened.count(), 0);
        QCOMPARE(f->messagesShown(), QStringList{kSaveQuestion});
    }

    void referencesCompanionIsRead_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("companion");

        QTest::newRow("extension replaced") << ""
                                            << "story.txt"
                                            << "story-References.txt";
        QTest::newRow("name without extension") << ""
                                                << "notes"
                                                << "notes-References.txt";
        QTest::newRow("dot in the folder name") << "v1.2/"
                                                << "notes"
                                                << "notes-References.txt";
    }

    void referencesCompanionIsRead()
    {
        QFETCH(QString, folder);
        QFETCH(QString, document);
        QFETCH(QString, companion);
        QVERIFY(QDir().mkpath(path(folder)));
        QVERIFY(writeBytes(path(folder + document), "text"));
        QVERIFY(writeBytes(path(folder + companion), "http://a\r\nhttp://b\r\n"));

        QVERIFY(f->handler.openDocument(path(folder + document)));
        QCOMPARE(f->handler.references(), (QStringList{"http://a", "http://b"}));
    }

    void documentWithoutCompanionHasNoReferences()
    {
        QVERIFY(writeBytes(path("a.txt"), "a"));
        QVERIFY(writeBytes(path("a-References.txt"), "http://a\n"));
        QVERIFY(writeBytes(path("b.txt"), "b"));
        QVERIFY(f->handler.openDocument(path("a.txt")));
        QVERIFY(f->handler.openDocument(path("b.txt")));
        QVERIFY(f->handler.references().isEmpty());
    }

    void backupPointHoldsThePreviousText()
    {
        QVERIFY(writeBytes(path("b.txt"), "second"));
        f->handler.setBackupText("older backup");
        f->type("first draft");
        f->messages.answers << Answer::No;
        QVERIFY(f->handler.openDocument(path("b.txt")));
        QCOMPARE(f->handler.backupText(), "first draft");
    }

    void failedOpenChangesNothing_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QByteArray>("documentBytes");
        QTest::addColumn<QByteArray>("companionBytes");

        const QByteArray binary("PK\3\4\0\0binary", 12);
        QTest::newRow("missing file") << "missing.txt" << QByteArray() << QByteArray();
        QTest::newRow("file with NUL bytes") << "binary.txt" << binary << QByteArray();
        QTest::newRow("a folder") << "folder.txt" << QByteArray() << QByteArray();
        QTest::newRow("companion with NUL bytes") << "c.txt" << QByteArray("text") << binary;
    }

    void failedOpenChangesNothing()
    {
        QFETCH(QString, target);
        QFETCH(QByteArray, documentBytes);
        QFETCH(QByteArray, companionBytes);
        openEditedDocument();
        f->handler.setReferences({"http://kept"});
        f->handler.setBackupText("backup");
        if (target == "folder.txt")
            QVERIFY(QDir().mkpath(path(target)));
        else if (!documentBytes.isEmpty())
            QVERIFY(writeBytes(path(target), documentBytes));
        const QString companion = path(target.left(target.indexOf('.')) + "-References.txt");
        if (!companionBytes.isEmpty())
            QVERIFY(writeBytes(companion, companionBytes));
        f->messages.answers << Answer::No;
        QSignalSpy opened(&f->handler, &DocumentHandler::documentOpened);

        QVERIFY(!f->handler.openDocument(path(target)));

        QCOMPARE(f->messagesShown(), (QStringList{kSaveQuestion, kOpenFailed}));
        QCOMPARE(f->handler.curFile(), path("a.txt"));
        QCOMPARE(f->txtMain->text(), "old new");
        QVERIFY(!f->handler.isSaved());
        QCOMPARE(f->labelColour(), kLime);
        QCOMPARE(f->handler.references(), QStringList{"http://kept"});
        QCOMPARE(f->handler.backupText(), "backup");
        QCOMPARE(opened.count(), 0);
        if (!documentBytes.isEmpty())
            QCOMPARE(readBytes(path(target)), documentBytes);
        if (!companionBytes.isEmpty())
            QCOMPARE(readBytes(companion), companionBytes);
    }

    void saveQuestionAnswers_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("opensB");
        QTest::addColumn<QByteArray>("aOnDisk");

        QTest::newRow("Yes saves, then opens") << Answer::Yes << true << QByteArray("old new");
        QTest::newRow("No drops the changes") << Answer::No << true << QByteArray("old");
        QTest::newRow("Cancel leaves everything") << Answer::Cancel << false << QByteArray("old");
    }

    void saveQuestionAnswers()
    {
        QFETCH(Answer, answer);
        QFETCH(bool, opensB);
        QFETCH(QByteArray, aOnDisk);
        openEditedDocument();
        QVERIFY(writeBytes(path("b.txt"), "b"));
        f->messages.answers << answer;

        QCOMPARE(f->handler.openDocument(path("b.txt")), opensB);

        QCOMPARE(f->messagesShown(), QStringList{kSaveQuestion});
        QCOMPARE(readBytes(path("a.txt")), aOnDisk);
        QCOMPARE(f->handler.curFile(), opensB ? path("b.txt") : path("a.txt"));
        QCOMPARE(f->txtMain->text(), opensB ? "b" : "old new");
        QCOMPARE(f->handler.isSaved(), opensB);
        QCOMPARE(f->dialogs.saveCount, 0);
    }

    void failedSaveAtTheQuestionStopsTheOpen()
    {
        openEditedDocument();
        QVERIFY(writeBytes(path("b.txt"), "b"));
        // Saving over a folder cannot succeed, whoever runs the test.
        QVERIFY(QFile::remove(path("a.txt")));
        QVERIFY(QDir().mkpath(path("a.txt")));
        // Yes to saving, and yes to replacing what now stands in the file's place.
        f->messages.answers << Answer::Yes << Answer::Yes;

        QVERIFY(!f->handler.openDocument(path("b.txt")));

        QCOMPARE(f->messagesShown().size(), 3);
        QCOMPARE(f->messagesShown().first(), kSaveQuestion);
        QCOMPARE(f->messagesShown().last(), kSaveFailed);
        QCOMPARE(f->handler.curFile(), path("a.txt"));
        QCOMPARE(f->txtMain->text(), "old new");
        QVERIFY(!f->handler.isSaved());
    }

    void yesForUntitledAsksNameAndCancelStops()
    {
        QVERIFY(writeBytes(path("b.txt"), "b"));
        f->type("draft");
        f->messages.answers << Answer::Yes;
        QVERIFY(!f->handler.openDocument(path("b.txt")));
        QCOMPARE(f->dialogs.saveCount, 1);
        QCOMPARE(f->handler.curFile(), QString());
        QCOMPARE(f->txtMain->text(), "draft");
    }

    void reloadOfSavedDocumentNeedsNoQuestion()
    {
        QVERIFY(writeBytes(path("a.txt"), "before"));
        QVERIFY(f->handler.openDocument(path("a.txt")));
        QVERIFY(writeBytes(path("a.txt"), "changed elsewhere"));
        QSignalSpy opened(&f->handler, &DocumentHandler::documentOpened);

        f->handler.mnuFReloadFileClick();

        QCOMPARE(f->txtMain->text(), "changed elsewhere");
        QVERIFY(f->messages.shown.isEmpty());
        QCOMPARE(opened.count(), 1);
    }

    void reloadAnsweredNoRestoresTheFileAsStored()
    {
        openEditedDocument();
        f->messages.answers << Answer::No;
        f->handler.mnuFReloadFileClick();
        QCOMPARE(f->messagesShown(), QStringList{kSaveQuestion});
        QCOMPARE(f->txtMain->text(), "old");
        QVERIFY(f->handler.isSaved());
        QCOMPARE(f->handler.backupText(), "old new");
    }

    void reloadOfUntitledDoesNothing()
    {
        f->type("draft");
        QSignalSpy opened(&f->handler, &DocumentHandler::documentOpened);
        f->handler.mnuFReloadFileClick();
        QCOMPARE(f->txtMain->text(), "draft");
        QVERIFY(f->messages.shown.isEmpty());
        QCOMPARE(f->dialogs.openCount, 0);
        QCOMPARE(opened.count(), 0);
    }

    void newDocumentIsUntitledEmptyAndSaved()
    {
        openEditedDocument();
        f->handler.setReferences({"http://a"});
        f->messages.answers << Answer::No;
        bool savedSeen = false;
        QString captionSeen;
        connect(&f->handler, &DocumentHandler::documentCleared, this, [&] {
            savedSeen = f->handler.isSaved();
            captionSeen = f->lblFile->text();
        });
        QSignalSpy cleared(&f->handler, &DocumentHandler::documentCleared);

        QVERIFY(f->handler.newDocument());

        QCOMPARE(f->txtMain->text(), QString());
        QCOMPARE(f->handler.curFile(), QString());
        QVERIFY(f->handler.isSaved());
        QVERIFY(f->handler.references().isEmpty());
        QCOMPARE(f->handler.format(), TextFileFormat());
        QCOMPARE(f->lblFile->text(), "(untitled)");
        QCOMPARE(f->lblFile->toolTip(), QString());
        QCOMPARE(f->labelColour(), kGrey);
        QCOMPARE(cleared.count(), 1);
        QVERIFY(savedSeen);
        QCOMPARE(captionSeen, "(untitled)");
        QCOMPARE(readBytes(path("a.txt")), QByteArray("old"));
    }

    void newDocumentCancelledKeepsTheDocument()
    {
        openEditedDocument();
        f->messages.answers << Answer::Cancel;
        QSignalSpy cleared(&f->handler, &DocumentHandler::documentCleared);
        QVERIFY(!f->handler.newDocument());
        QCOMPARE(f->handler.curFile(), path("a.txt"));
        QCOMPARE(f->txtMain->text(), "old new");
        QCOMPARE(cleared.count(), 0);
    }

    void ensureFileExists_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QStringList>("messages");

        QTest::newRow("existing file kept as it is")
            << "08-12-2026.txt" << true << true << QStringList();
        QTest::newRow("missing file created empty")
            << "09-12-2026.txt" << false << true << QStringList();
        QTest::newRow("folder missing: open message")
            << "gone/10-12-2026.txt" << false << false << QStringList{kOpenFailed};
    }

    void ensureFileExists()
    {
        QFETCH(QString, target);
        QFETCH(bool, exists);
        QFETCH(bool, result);
        QFETCH(QStringList, messages);
        if (exists)
            QVERIFY(writeBytes(path(target), "page"));

        QCOMPARE(f->handler.ensureFileExists(path(target)), result);

        QCOMPARE(f->messagesShown(), messages);
        QCOMPARE(QFileInfo::exists(path(target)), result);
        if (result)
            QCOMPARE(readBytes(path(target)), exists ? QByteArray("page") : QByteArray());
    }
};

CALMDESK_TEST_MAIN(TestDocumentOpen)
#include "test_documentopen.moc"
