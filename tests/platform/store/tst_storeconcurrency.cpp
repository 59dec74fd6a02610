// SPDX-License-Identifier: GPL-3.0-or-later
// Two processes on one settings file: a second editor instance handing over "fdf",
// or a command-line edit beside the running editor. Neither may lose a write or wait
// for long.

#include "platform/store/sqlitesettingsstore.h"
#include "storetestutil.h"
#include "testmain.h"

#include <QProcess>

using namespace calmdesk;
using calmdesk::test::str;

namespace {

constexpr int kWritesPerProcess = 200;
constexpr int kProcessDeadlineMs = 60000;

QString writerProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/calmdesk_store_writer");
}

} // namespace

class StoreConcurrencyTest : public QObject
{
    Q_OBJECT

private:
    static QString dbPath() { return SqliteSettingsStore::defaultPath(); }

    static void startWriter(QProcess &process, const QString &mode, const QString &prefix,
                            int count)
    {
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(writerProgram(), {dbPath(), mode, prefix, QString::number(count)});
        QVERIFY2(process.waitForStarted(), qPrintable(process.errorString()));
    }

    static void verifyFinishedCleanly(QProcess &process)
    {
        QVERIFY(process.waitForFinished(kProcessDeadlineMs));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.readAllStandardOutput().trimmed(), QByteArray("0 failures"));
        QCOMPARE(process.exitCode(), 0);
    }

    static void verifyAllWritten(const SettingsStore &store, const QString &prefix, int count)
    {
        const QString key = str("Software\\Test\\") + prefix;
        QCOMPARE(store.values(key).size(), count);
        for (int i = 0; i < count; ++i) {
            QCOMPARE(store.regReadString(key, QStringLiteral("v%1").arg(i)),
                     prefix + QString::number(i));
            QCOMPARE(
                store.regReadString(str("Software\\Test\\shared"), prefix + QString::number(i)),
                QString::number(i));
        }
    }

private slots:
    void init() { calmdesk::test::IsolatedEnvironment::current()->reset(); }

    void twoProcessesWritingAtOnceLoseNothing_data()
    {
        QTest::addColumn<QString>("firstMode");
        QTest::addColumn<QString>("secondMode");
        QTest::addColumn<bool>("storeExistsBefore");
        QTest::newRow("single writes in both, both create the store")
            << str("single") << str("single") << false;
        QTest::newRow("single writes in both") << str("single") << str("single") << true;
        QTest::newRow("long batches beside single writes") << str("batch") << str("single") << true;
        QTest::newRow("batches in both") << str("batch") << str("batch") << true;
    }
    void twoProcessesWritingAtOnceLoseNothing()
    {
        QFETCH(QString, firstMode);
        QFETCH(QString, secondMode);
        QFETCH(bool, storeExistsBefore);
        if (storeExistsBefore)
            SqliteSettingsStore(dbPath()).createKey(str("Software"));

        QProcess first;
        QProcess second;
        startWriter(first, firstMode, str("first"), kWritesPerProcess);
        startWriter(second, secondMode, str("second"), kWritesPerProcess);
        verifyFinishedCleanly(first);
        verifyFinishedCleanly(second);

        SqliteSettingsStore store(dbPath());
        QVERIFY(store.setAsidePath().isEmpty());
        verifyAllWritten(store, str("first"), kWritesPerProcess);
        verifyAllWritten(store, str("second"), kWritesPerProcess);
        QCOMPARE(store.values(str("Software\\Test\\shared")).size(), 2 * kWritesPerProcess);
    }

    void openConnectionSeesAnotherProcessesWrite()
    {
        // The running editor keeps its store open; the second instance writes and
        // the editor must read the new value, not a stale snapshot.
        SqliteSettingsStore editor(dbPath());
        QCOMPARE(editor.regReadString(str("Software\\Test\\shared"), str("fdf0")), QString());
        QProcess secondInstance;
        startWriter(secondInstance, str("single"), str("fdf"), 1);
        verifyFinishedCleanly(secondInstance);
        QCOMPARE(editor.regReadString(str("Software\\Test\\shared"), str("fdf0")), str("0"));
        QVERIFY(editor.regWriteString(str("Software\\Test\\shared"), str("fdf0"), QString()));
    }

    void writerWaitsForTheOthersBatchInsteadOfFailing()
    {
        // This process holds a batch open while the other writes; the other waits
        // and completes as soon as the batch is committed.
        SqliteSettingsStore editor(dbPath());
        QVERIFY(editor.beginBatch());
        QVERIFY(editor.regWriteString(str("Software\\Test\\shared"), str("held"), str("1")));
        QProcess other;
        startWriter(other, str("single"), str("other"), 1);
        QVERIFY(!other.waitForFinished(300));
        QVERIFY(editor.commitBatch());
        verifyFinishedCleanly(other);
        verifyAllWritten(editor, str("other"), 1);
        QCOMPARE(editor.regReadString(str("Software\\Test\\shared"), str("held")), str("1"));
    }
};

CALMDESK_TEST_MAIN_CORE(StoreConcurrencyTest)

#include "tst_storeconcurrency.moc"
