// SPDX-License-Identifier: GPL-3.0-or-later
// The web history companion read from and written to disk as the writer's entries.

#include "document/documentfiles.h"
#include "document/referencesfile.h"
#include "filehelpers.h"
#include "testmain.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace calmdesk;
using calmdesk::test::IsolatedEnvironment;
using calmdesk::test::readBytes;
using calmdesk::test::writeBytes;

class TestReferencesFile : public QObject
{
    Q_OBJECT

    QString folder() const { return IsolatedEnvironment::current()->root() + "/docs/"; }
    QString document() const { return folder() + "story.txt"; }
    QString companion() const { return folder() + "story-References.txt"; }

private slots:
    void init()
    {
        IsolatedEnvironment::current()->reset();
        QVERIFY(QDir().mkpath(folder()));
    }

    void entriesFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("entries");

        QTest::newRow("empty file has no entries") << "" << QStringList();
        QTest::newRow("final break ends the last entry") << "http://a\r\nhttp://b\r\n"
                                                         << QStringList{"http://a", "http://b"};
        QTest::newRow("last entry without a break")
            << "http://a\r\nhttp://b" << QStringList{"http://a", "http://b"};
        QTest::newRow("empty line between entries is kept") << "a\r\n\r\nb\r\n"
                                                            << QStringList{"a", "", "b"};
        QTest::newRow("a lone break is one empty entry") << "\r\n" << QStringList{""};
    }

    void entriesFromText()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, entries);
        QCOMPARE(referencesFromText(text), entries);
    }

    void missingCompanionReadsAsNoEntries()
    {
        const ReferencesRead read = readReferences(document());
        QVERIFY(read.ok);
        QVERIFY(read.entries.isEmpty());
        QCOMPARE(read.format, TextFileFormat());
    }

    void companionWithoutExtensionBesideDottedFolder()
    {
        QVERIFY(QDir().mkpath(folder() + "v1.2"));
        QVERIFY(writeBytes(folder() + "v1.2/notes-References.txt", "http://x\n"));
        const ReferencesRead read = readReferences(folder() + "v1.2/notes");
        QVERIFY(read.ok);
        QCOMPARE(read.entries, QStringList{"http://x"});
    }

    void unreadableCompanionFails_data()
    {
        QTest::addColumn<bool>("asFolder");
        QTest::newRow("binary data") << false;
        QTest::newRow("a folder by that name") << true;
    }

    void unreadableCompanionFails()
    {
        QFETCH(bool, asFolder);
        const QByteArray binary("http://a\0\1\2", 11);
        if (asFolder)
            QVERIFY(QDir().mkpath(companion()));
        else
            QVERIFY(writeBytes(companion(), binary));
        QVERIFY(!readReferences(document()).ok);
        if (!asFolder)
            QCOMPARE(readBytes(companion()), binary);
    }

    void newCompanionIsUtf8WithLf()
    {
        const TextSaveResult saved =
            writeReferences(document(), {"http://a", "Café"}, TextFileFormat());
        QVERIFY(saved.ok);
        QCOMPARE(readBytes(companion()), QByteArray("http://a\nCaf\xc3\xa9\n"));
    }

    void existingCompanionKeepsItsForm()
    {
        QVERIFY(writeBytes(companion(), "http://a\r\nCaf\xe9\r\n"));
        const ReferencesRead read = readReferences(document());
        QVERIFY(read.ok);
        QCOMPARE(read.entries, (QStringList{"http://a", "Café"}));
        QVERIFY(writeReferences(document(), read.entries, read.format).ok);
        QCOMPARE(readBytes(companion()), QByteArray("http://a\r\nCaf\xe9\r\n"));
    }

    void noEntriesRemovesCompanion()
    {
        QVERIFY(writeBytes(companion(), "http://old\n"));
        QVERIFY(writeReferences(document(), {}, TextFileFormat()).ok);
        QVERIFY(!QFileInfo::exists(companion()));
    }

    void noEntriesAndNoCompanionWritesNothing()
    {
        QVERIFY(writeReferences(document(), {}, TextFileFormat()).ok);
        QVERIFY(!QFileInfo::exists(companion()));
    }

    void writeFailureIsReported()
    {
        QVERIFY(QDir().mkpath(companion()));
        QVERIFY(!writeReferences(document(), {"http://a"}, TextFileFormat()).ok);
        QVERIFY(QFileInfo(companion()).isDir());
    }
};

CALMDESK_TEST_MAIN_CORE(TestReferencesFile)
#include "test_referencesfile.moc"
