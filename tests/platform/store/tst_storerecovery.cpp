// SPDX-License-Identifier: GPL-3.0-or-later
// A settings file that cannot be used never stops the program and is never lost: a
// damaged one is moved aside and an empty store takes its place; one that cannot be read
// is left exactly as it is while the program runs on its defaults in memory. The file
// operations' failures come from a stand-in for them, so every case runs as the
// superuser too.

#include "platform/store/sqlitesettingsstore.h"
#include "platform/store/storefiles.h"
#include "refusingfiles.h"
#include "storetestutil.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>

#include <memory>
#include <sqlite3.h>

using namespace calmdesk;
using calmdesk::test::kGeneral;
using calmdesk::test::kSettings;
using calmdesk::test::openUserStore;
using calmdesk::test::RefusingFiles;
using calmdesk::test::str;

namespace {

const QRegularExpression kSetAsideWarning(QStringLiteral("is damaged; it was moved"));
const QRegularExpression kUnreadableWarning(QStringLiteral("cannot be read"));
const QRegularExpression kInMemoryWarning(QStringLiteral("kept in memory"));
constexpr int kFillerValues = 400;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every name in a folder with its bytes, to show that nothing there changed.
QMap<QString, QByteArray> folderContents(const QString &folder)
{
    QMap<QString, QByteArray> contents;
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries)
        contents.insert(entry.fileName(),
                        entry.isDir() ? QByteArray("(folder)") : readAll(entry.filePath()));
    return contents;
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The bytes of a healthy store holding enough values to span many pages.
QByteArray healthyStoreBytes(const QString &scratchFolder)
{
    const QString path = scratchFolder + QStringLiteral("/healthy.db");
    {
        SqliteSettingsStore store(path);
        StoreBatch batch(store);
        for (int i = 0; i < kFillerValues; ++i)
            store.regWriteString(kGeneral, QStringLiteral("a%1").arg(i),
                                 QString(40, QLatin1Char('x')));
        batch.commit();
    }
    return readAll(path);
}

// An SQLite database of some other program.
QByteArray foreignDatabaseBytes(const QString &scratchFolder)
{
    const QString path = scratchFolder + QStringLiteral("/foreign.db");
    sqlite3 *db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    sqlite3_exec(db, "CREATE TABLE notes(body TEXT); INSERT INTO notes VALUES('mine');", nullptr,
                 nullptr, nullptr);
    sqlite3_close(db);
    return readAll(path);
}

void setUserVersion(const QString &path, int version)
{
    sqlite3 *db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    sqlite3_exec(db, QByteArray("PRAGMA user_version = " + QByteArray::number(version)).constData(),
                 nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

} // namespace

class StoreRecoveryTest : public QObject
{
    Q_OBJECT

private:
    static QString dbPath() { return SqliteSettingsStore::defaultPath(); }
    static QString scratch() { return calmdesk::test::IsolatedEnvironment::current()->root(); }

    // The store works normally: what it writes, a later run reads.
    static void verifyUsable(SqliteSettingsStore &store)
    {
        QVERIFY(!store.isInMemory());
        QVERIFY(!store.isReadOnly());
        QVERIFY(store.regWriteString(kGeneral, str("width"), str("80")));
        QCOMPARE(store.regReadString(kGeneral, str("width")), str("80"));
    }

private slots:
    void init()
    {
        calmdesk::test::IsolatedEnvironment::current()->reset();
        QVERIFY(QDir().mkpath(QFileInfo(dbPath()).absolutePath()));
    }

    void healthyStoreIsKept()
    {
        writeAll(dbPath(), healthyStoreBytes(scratch()));
        SqliteSettingsStore store(dbPath());
        QVERIFY(store.setAsidePath().isEmpty());
        QCOMPARE(store.values(kGeneral).size(), kFillerValues);
        verifyUsable(store);
    }

    void damagedFileIsSetAsideAndReplaced_data()
    {
        QTest::addColumn<QByteArray>("content");
        const QByteArray healthy = healthyStoreBytes(scratch());
        QVERIFY(healthy.size() > 16 * 1024);

        QTest::newRow("garbage bytes") << QByteArray("not a database\n").repeated(600);
        QTest::newRow("zero-length file") << QByteArray();
        QTest::newRow("truncated store") << healthy.left(healthy.size() / 2);
        QTest::newRow("header cut short") << healthy.left(60);
        QByteArray scrambled = healthy;
        scrambled.replace(4096, 8192, QByteArray(8192, '\x5a'));
        QTest::newRow("pages overwritten") << scrambled;
        QTest::newRow("another program's database") << foreignDatabaseBytes(scratch());
    }
    void damagedFileIsSetAsideAndReplaced()
    {
        QFETCH(QByteArray, content);
        writeAll(dbPath(), content);

        QString aside;
        {
            QTest::ignoreMessage(QtWarningMsg, kSetAsideWarning);
            SqliteSettingsStore store(dbPath());
            aside = store.setAsidePath();
            QVERIFY(aside.startsWith(dbPath() + str(".corrupt-")));
            QCOMPARE(readAll(aside), content);
            QVERIFY(store.values(kGeneral).isEmpty());
            verifyUsable(store);
        }
        SqliteSettingsStore reopened(dbPath());
        QVERIFY(reopened.setAsidePath().isEmpty());
        QCOMPARE(reopened.regReadString(kGeneral, str("width")), str("80"));
        QCOMPARE(readAll(aside), content);
    }

    void logFilesMoveWithTheDamagedFile()
    {
        writeAll(dbPath(), QByteArray("garbage").repeated(100));
        writeAll(dbPath() + str("-wal"), QByteArray("old log"));
        // The shared-memory index beside it is rebuilt by every reader, so only the
        // log's content matters.
        writeAll(dbPath() + str("-shm"), QByteArray("old index"));
        QTest::ignoreMessage(QtWarningMsg, kSetAsideWarning);
        SqliteSettingsStore store(dbPath());
        QCOMPARE(readAll(store.setAsidePath() + str("-wal")), QByteArray("old log"));
        QVERIFY(QFileInfo::exists(store.setAsidePath() + str("-shm")));
        QVERIFY(readAll(dbPath() + str("-wal")) != QByteArray("old log"));
        verifyUsable(store);
    }

    void eachSetAsideKeepsItsOwnCopy()
    {
        writeAll(dbPath(), QByteArray("first"));
        QTest::ignoreMessage(QtWarningMsg, kSetAsideWarning);
        const QString first = SqliteSettingsStore(dbPath()).setAsidePath();
        writeAll(dbPath(), QByteArray("second"));
        QTest::ignoreMessage(QtWarningMsg, kSetAsideWarning);
        const QString second = SqliteSettingsStore(dbPath()).setAsidePath();
        QVERIFY(first != second);
        QCOMPARE(readAll(first), QByteArray("first"));
        QCOMPARE(readAll(second), QByteArray("second"));
    }

    // Only damage SQLite reports moves a file: one that cannot be read may be sound, and
    // the writer's settings stay in it for a later start.
    void unreadableFileIsLeftAsItIs_data()
    {
        QTest::addColumn<int>("openError");
        QTest::addColumn<bool>("folderInPlace");
        QTest::newRow("no permission to read") << SQLITE_CANTOPEN << false;
        QTest::newRow("I/O error") << SQLITE_IOERR_READ << false;
        QTest::newRow("locked beyond the timeout") << SQLITE_BUSY << false;
        // SQLite answers an I/O error for a folder, without any stand-in.
        QTest::newRow("a folder in place of the file") << 0 << true;
    }
    void unreadableFileIsLeftAsItIs()
    {
        QFETCH(int, openError);
        QFETCH(bool, folderInPlace);
        if (folderInPlace)
            QVERIFY(QDir().mkpath(dbPath() + str("/inside")));
        else
            writeAll(dbPath(), healthyStoreBytes(scratch()));
        const QString folder = QFileInfo(dbPath()).absolutePath();
        const QMap<QString, QByteArray> before = folderContents(folder);
        RefusingFiles refusing(dbPath(), RefusingFiles::Refusal::Reading, openError);
        StoreFiles &files = folderInPlace ? StoreFiles::system() : refusing;
        {
            QTest::ignoreMessage(QtWarningMsg, kUnreadableWarning);
            QTest::ignoreMessage(QtWarningMsg, kInMemoryWarning);
            SqliteSettingsStore store(dbPath(), files);
            QVERIFY(store.isInMemory());
            QVERIFY(store.setAsidePath().isEmpty());
            QVERIFY(store.values(kGeneral).isEmpty());
            QVERIFY(store.regWriteString(kGeneral, str("width"), str("80")));
            QCOMPARE(store.regReadString(kGeneral, str("width")), str("80"));
        }
        QCOMPARE(folderContents(folder), before);
    }

    void readOnlyFileIsReadButNeverWritten()
    {
        writeAll(dbPath(), healthyStoreBytes(scratch()));
        const QByteArray before = readAll(dbPath());
        RefusingFiles files(dbPath(), RefusingFiles::Refusal::Writing);
        {
            SqliteSettingsStore store(dbPath(), files);
            QVERIFY(store.setAsidePath().isEmpty());
            QVERIFY(!store.isInMemory());
            QVERIFY(store.isReadOnly());
            QCOMPARE(store.regReadString(kGeneral, str("a7")), QString(40, QLatin1Char('x')));
            QVERIFY(!store.regWriteString(kGeneral, str("width"), str("80")));
            QVERIFY(!store.deleteTree(kGeneral));
            QCOMPARE(store.values(kGeneral).size(), kFillerValues);
        }
        QCOMPARE(readAll(dbPath()), before);
    }

    void damagedFileThatCannotMoveIsLeftAlone()
    {
        writeAll(dbPath(), QByteArray("garbage"));
        RefusingFiles files(dbPath(), RefusingFiles::Refusal::Moving);
        {
            QTest::ignoreMessage(QtWarningMsg, kInMemoryWarning);
            SqliteSettingsStore store(dbPath(), files);
            QVERIFY(store.isInMemory());
            QVERIFY(store.setAsidePath().isEmpty());
            QVERIFY(store.regWriteString(kGeneral, str("width"), str("80")));
            QCOMPARE(store.regReadString(kGeneral, str("width")), str("80"));
        }
        QCOMPARE(readAll(dbPath()), QByteArray("garbage"));
    }

    void noUsableFolderFallsBackToMemory()
    {
        // A plain file where the store's folder should be: nothing can be created.
        const QString folder = QFileInfo(dbPath()).absolutePath();
        QVERIFY(QDir(folder).removeRecursively());
        writeAll(folder, QByteArray("in the way"));
        QTest::ignoreMessage(QtWarningMsg, kInMemoryWarning);
        SqliteSettingsStore store(dbPath());
        QVERIFY(store.isInMemory());
        QVERIFY(store.setAsidePath().isEmpty());
        QVERIFY(store.regWriteString(kGeneral, str("width"), str("80")));
        QCOMPARE(store.regReadString(kGeneral, str("width")), str("80"));
        QVERIFY(store.createKey(str("Software\\Other")));
        QCOMPARE(store.subkeyNames(str("Software")).size(), 2);
        QCOMPARE(readAll(folder), QByteArray("in the way"));
    }

    void storeOfANewerVersionIsLeftAlone()
    {
        writeAll(dbPath(), healthyStoreBytes(scratch()));
        setUserVersion(dbPath(), 99);
        const QByteArray before = readAll(dbPath());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(str("newer version")));
        QTest::ignoreMessage(QtWarningMsg, kInMemoryWarning);
        {
            SqliteSettingsStore store(dbPath());
            QVERIFY(store.isInMemory());
            QVERIFY(store.setAsidePath().isEmpty());
        }
        QCOMPARE(readAll(dbPath()), before);
    }
};

CALMDESK_TEST_MAIN_CORE(StoreRecoveryTest)

#include "tst_storerecovery.moc"
