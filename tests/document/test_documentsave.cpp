// SPDX-License-Identifier: GPL-3.0-or-later
// Saving documents and their companions, and what a failed save leaves behind.

#include "filehelpers.h"
#include "handlerfixture.h"
#include "testmain.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>

using namespace calmdesk;
using namespace calmdesk::test;

namespace {

// Makes every file write beyond `bytes` fail (as a full disk would) for as long as it
// lives; unlike a read-only folder this also holds when the tests run as root.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        m_applied = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_previous); }
    bool applied() const { return m_applied; }

private:
    rlimit m_previous{};
    bool m_applied = false;
};

constexpr rlim_t kTinyFileLimit = 16;

} // namespace

class TestDocumentSave : public QObject
{
    Q_OBJECT

    std::unique_ptr<HandlerFixture> f;

    static QString path(const QString &name) { return HandlerFixture::folder() + name; }

    void openEditedDocument(const QString &name = QStringLiteral("a.txt"))
    {
        QVERIFY(writeBytes(path(name), "old"));
        QVERIFY(f->handler.openDocument(path(name)));
        f->type(" new");
        QVERIFY(!f->handler.isSaved());
    }

    // The state a failed save must leave: named `curFile`, changes still unsaved.
    void verifyUnsavedUnder(const QString &curFile)
    {
        QCOMPARE(f->handler.curFile(), curFile);
        QVERIFY(!f->handler.isSaved());
        QCOMPARE(f->labelColour(), kLime);
        QCOMPARE(f->messagesShown(), QStringList{kSaveFailed});
    }

private slots:
    void init()
    {
        IsolatedEnvironment::current()->reset();
        f = std::make_unique<HandlerFixture>();
    }
    void cleanup() { f.reset(); }

    void untitledSaveCancelledStaysUntitledAndUnsaved()
    {
        f->type("draft");
        QSignalSpy saved(&f->handler, &DocumentHandler::documentSaved);

        QVERIFY(!f->handler.saveDocument(false));

        QCOMPARE(f->dialogs.saveCount, 1);
        QCOMPARE(f->handler.curFile(), QString());
        QVERIFY(!f->handler.isSaved());
        QCOMPARE(f->lblFile->text(), "(untitled)");
        QCOMPARE(f->labelColour(), kLime);
        QVERIFY(f->messages.shown.isEmpty());
        QCOMPARE(saved.count(), 0);
    }

    void untitledSaveWritesNewUtf8LfFile()
    {
        f->type("Café\r\nsecond line");
        f->dialogs.paths << path("new.txt");
        bool savedSeen = false;
        QColor colourSeen;
        connect(&f->handler, &DocumentHandler::documentSaved, this, [&] {
            savedSeen = f->handler.isSaved();
            colourSeen = f->labelColour();
        });
        QSignalSpy saved(&f->handler, &DocumentHandler::documentSaved);

        QVERIFY(f->handler.saveDocument(false));

        QCOMPARE(readBytes(path("new.txt")), QByteArray("Caf\xc3\xa9\nsecond line"));
        QCOMPARE(f->handler.curFile(), path("new.txt"));
        QVERIFY(f->handler.isSaved());
        QCOMPARE(f->lblFile->text(), "new.txt");
        QCOMPARE(f->lblFile->toolTip(), path("new.txt"));
        QCOMPARE(f->labelColour(), kGrey);
        QCOMPARE(saved.count(), 1);
        QCOMPARE(saved.first().first().toString(), path("new.txt"));
        QVERIFY(savedSeen);
        QCOMPARE(colourSeen, kGrey);
    }

    void namedSaveWritesWithoutAsking()
    {
        openEditedDocument();
        QVERIFY(f->handler.saveDocument(false));
        QCOMPARE(f->dialogs.saveCount, 0);
        QCOMPARE(readBytes(path("a.txt")), QByteArray("old new"));
        QVERIFY(f->handler.isSaved());
    }

    void saveAsWritesUnderTheNewName()
    {
        openEditedDocument();
        f->dialogs.paths << path("copy.txt");
        QVERIFY(f->handler.saveDocument(true));
        QCOMPARE(f->dialogs.saveCount, 1);
        QCOMPARE(readBytes(path("copy.txt")), QByteArray("old new"));
        QCOMPARE(readBytes(path("a.txt")), QByteArray("old"));
        QCOMPARE(f->handler.curFile(), path("copy.txt"));
        QCOMPARE(f->lblFile->text(), "copy.txt");
    }

    // Whatever the widget turns into a break is written back as it was read.
    void unchangedDocumentSavesByteForByte_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Windows-1252, CR LF")
            << QByteArray("Caf\xe9 cr\xe8me\r\nna\xefve \x93quoted\x94\r\n\r\nend");
        QTest::newRow("UTF-8 line and paragraph separators")
            << QByteArray("one\xe2\x80\xa8two\xe2\x80\xa9three\nfour");
        QTest::newRow("mixed CR LF, LF and a lone CR") << QByteArray("a\r\nb\nc\rd\r\n\ne");
        QTest::newRow("last line without a break") << QByteArray("first\nlast");
        QTest::newRow("BOM and Qt's frame characters")
            << QByteArray("\xef\xbb\xbfx\xef\xb7\x90y\xef\xb7\x91z\r\n");
        QTest::newRow("CR before CR LF") << QByteArray("a\r\r\nb");
    }
    void unchangedDocumentSavesByteForByte()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(writeBytes(path("old.txt"), bytes));
        QVERIFY(f->handler.openDocument(path("old.txt")));
        QVERIFY(f->handler.saveDocument(false));
        QCOMPARE(readBytes(path("old.txt")), bytes);
    }

    void editKeepsTheOtherParagraphsBreaks()
    {
        QVERIFY(writeBytes(path("mixed.txt"), "one\r\ntwo\nthree\xe2\x80\xa8"
                                              "four"));
        QVERIFY(f->handler.openDocument(path("mixed.txt")));
        f->txtMain->setCaret(8);
        f->txtMain->replaceSelection("!");
        // The file's own line break is LF (one of two, and LF wins a tie): a new
        // paragraph ends with it.
        f->type("\r\nfive");
        QVERIFY(f->handler.saveDocument(false));
        QCOMPARE(readBytes(path("mixed.txt")), QByteArray("one\r\ntwo!\nthree\xe2\x80\xa8"
                                                          "four\nfive"));
    }

    void windows1252DocumentGainingOtherTextBecomesUtf8()
    {
        QVERIFY(writeBytes(path("old.txt"), "Caf\xe9\r\n"));
        QVERIFY(f->handler.openDocument(path("old.txt")));
        f->type("Ω");

        QVERIFY(f->handler.saveDocument(false));

        QCOMPARE(readBytes(path("old.txt")), QByteArray("Caf\xc3\xa9\r\n\xce\xa9"));
        QCOMPARE(f->handler.format(), (TextFileFormat{TextEncoding::Utf8, LineBreak::CrLf}));
    }

    void failedSaveKeepsTheOldFile()
    {
        QVERIFY(writeBytes(path("a.txt"), "old"));
        QVERIFY(f->handler.openDocument(path("a.txt")));
        f->type(QString(int(kTinyFileLimit) * 4, QLatin1Char('x')));
        bool result = true;
        {
            const FileSizeLimit limit(kTinyFileLimit);
            if (!limit.applied())
                QSKIP("the file size limit cannot be set here");
            result = f->handler.saveDocument(false);
        }
        QVERIFY(!result);
        QCOMPARE(readBytes(path("a.txt")), QByteArray("old"));
        verifyUnsavedUnder(path("a.txt"));
    }

    void saveIntoRemovedFolderFails()
    {
        QVERIFY(QDir().mkpath(path("sub")));
        openEditedDocument("sub/a.txt");
        QVERIFY(QDir(path("sub")).removeRecursively());
        QSignalSpy saved(&f->handler, &DocumentHandler::documentSaved);

        QVERIFY(!f->handler.saveDocument(false));

        verifyUnsavedUnder(path("sub/a.txt"));
        QCOMPARE(saved.count(), 0);
    }

    void failedSaveAsKeepsTheNewNameUnsaved()
    {
        openEditedDocument();
        QVERIFY(QDir().mkpath(path("taken.txt")));
        f->dialogs.paths << path("taken.txt");

        QVERIFY(!f->handler.saveDocument(true));

        verifyUnsavedUnder(path("taken.txt"));
        QCOMPARE(f->lblFile->text(), "taken.txt");
        QCOMPARE(f->lblFile->toolTip(), path("taken.txt"));
        QCOMPARE(readBytes(path("a.txt")), QByteArray("old"));
    }

    void referencesCompanionIsWritten()
    {
        openEditedDocument("notes");
        f->handler.setReferences({"http://a", "Page title"});
        QVERIFY(f->handler.saveDocument(false));
        QCOMPARE(readBytes(path("notes-References.txt")), QByteArray("http://a\nPage title\n"));
    }

    void emptyReferencesRemoveTheCompanion()
    {
        QVERIFY(writeBytes(path("a-References.txt"), "http://old\n"));
        openEditedDocument();
        QCOMPARE(f->handler.references(), QStringList{"http://old"});
        f->handler.setReferences({});
        QVERIFY(f->handler.saveDocument(false));
        QVERIFY(!QFileInfo::exists(path("a-References.txt")));
    }

    void scratchpadCompanionIsLeftAlone()
    {
        const QByteArray rtf("{\\rtf1 pad}");
        QVERIFY(writeBytes(path("a-Scratchpad.rtf"), rtf));
        openEditedDocument();
        QVERIFY(f->handler.saveDocument(false));
        f->handler.setReferences({"http://a"});
        QVERIFY(f->handler.writeCompanionFiles());
        QVERIFY(f->handler.newDocument());
        QCOMPARE(readBytes(path("a-Scratchpad.rtf")), rtf);
    }

    void companionWriteFailureFailsTheSave()
    {
        openEditedDocument();
        QVERIFY(QDir().mkpath(path("a-References.txt")));
        f->handler.setReferences({"http://a"});
        QSignalSpy saved(&f->handler, &DocumentHandler::documentSaved);

        QVERIFY(!f->handler.saveDocument(false));

        verifyUnsavedUnder(path("a.txt"));
        QCOMPARE(readBytes(path("a.txt")), QByteArray("old new"));
        QCOMPARE(saved.count(), 0);
    }

    void closeWritesOnlyTheCompanions()
    {
        QVERIFY(writeBytes(path("a.txt"), "text"));
        QVERIFY(f->handler.openDocument(path("a.txt")));
        QVERIFY(writeBytes(path("a.txt"), "changed by another program"));
        f->handler.setReferences({"http://a"});

        QVERIFY(f->handler.companionFilesDueAtClose());
        QVERIFY(f->handler.writeCompanionFiles());

        QCOMPARE(readBytes(path("a-References.txt")), QByteArray("http://a\n"));
        QCOMPARE(readBytes(path("a.txt")), QByteArray("changed by another program"));
    }

    void companionsDueAtClose_data()
    {
        QTest::addColumn<bool>("named");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<bool>("withReferences");
        QTest::addColumn<bool>("due");

        QTest::newRow("named, saved, with entries") << true << false << true << true;
        QTest::newRow("untitled") << false << false << true << false;
        QTest::newRow("unsaved changes") << true << true << true << false;
        QTest::newRow("nothing to keep") << true << false << false << false;
    }

    void companionsDueAtClose()
    {
        QFETCH(bool, named);
        QFETCH(bool, edited);
        QFETCH(bool, withReferences);
        QFETCH(bool, due);
        if (named) {
            QVERIFY(writeBytes(path("a.txt"), "text"));
            QVERIFY(f->handler.openDocument(path("a.txt")));
        }
        if (edited)
            f->type("more");
        if (withReferences)
            f->handler.setReferences({"http://a"});
        QCOMPARE(f->handler.companionFilesDueAtClose(), due);
    }
};

CALMDESK_TEST_MAIN(TestDocumentSave)
#include "test_documentsave.moc"
