// SPDX-License-Identifier: GPL-3.0-or-later
// calmdesk --reg: what each command prints, its exit status, and that an import is
// all or nothing.

#include "platform/store/sqlitesettingsstore.h"
#include "settings/regcommand.h"
#include "storetestutil.h"
#include "testmain.h"

#include <QBuffer>
#include <QFile>
#include <QTextStream>

#include <memory>

using namespace calmdesk;
using calmdesk::test::str;
using calmdesk::test::strs;

namespace {

const QString kGeneral = QStringLiteral("Software\\Osmira\\v11\\Settings\\general");

struct Outcome
{
    int exitCode = -1;
    QString out;
    QString err;
};

// The awkward content an export must carry through unchanged.
void fillAwkwardly(SettingsStore &store)
{
    const QString settings = str("Software\\Osmira\\v11\\Settings");
    store.regWriteString(settings + str("\\general"), str("width"), str("90"));
    store.regWriteString(settings + str("\\general"), QString(), str("the default"));
    store.regWriteString(settings + str("\\general"), str("diary"), str("C:\\Users\\me\\Diary\\"));
    store.regWriteString(settings + str("\\general"), str("fdf"), QString());
    store.regWriteString(settings + str("\\general"), str("say \"hi\""),
                         str("\"quoted\" \\ end\\"));
    store.regWriteString(settings + str("\\general"), str("lines"), str("one\r\ntwo\nthree\tfour"));
    store.regWriteString(settings + str("\\general"), str("@"), str("not the default"));
    store.regWriteString(settings + str("\\general"), str("=;["), str("[x]=-"));
    store.regWriteString(settings + str("\\general"), str("ctrl"),
                         QString(QChar(1)) + QChar(0) + QChar(0x7f));
    store.regWriteString(settings + str("\\autocorect"), str("a0"),
                         str("Gr\u00fc\u00dfe \u65e5\u672c"));
    store.regWriteString(settings + str("\\autocorect"), str("\u00c4rger"), str("\U0001F600"));
    store.regWriteString(settings + str("\\Profiles\\My Profile\\general"), str("width"),
                         str("70"));
    store.createKey(settings + str("\\Profiles\\Empty]Key"));
    store.regWriteString(str("Software\\Classes\\.txt"), QString(), str("txtfile"));
}

QString goldenPath(const char *name)
{
    return QStringLiteral(CALMDESK_SETTINGS_TEST_DATA "/") + QString::fromLatin1(name);
}

} // namespace

class RegCommandTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SqliteSettingsStore> m_store;
    SqliteSettingsStore &store() { return *m_store; }

    Outcome run(const QStringList &args, const QByteArray &input = QByteArray())
    {
        Outcome outcome;
        QTextStream out(&outcome.out);
        QTextStream err(&outcome.err);
        QBuffer standardInput;
        standardInput.setData(input);
        standardInput.open(QIODevice::ReadOnly);
        outcome.exitCode = runRegCommand(args, store(), out, err, standardInput);
        return outcome;
    }

    QString exportAll() { return run(strs({"export"})).out; }

    QString writeFile(const QByteArray &bytes)
    {
        const QString path =
            calmdesk::test::IsolatedEnvironment::current()->root() + str("/import.reg");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size())
            qFatal("cannot write the import file");
        return path;
    }

private slots:
    void init()
    {
        calmdesk::test::IsolatedEnvironment::current()->reset();
        m_store = std::make_unique<SqliteSettingsStore>(SqliteSettingsStore::defaultPath());
        QVERIFY(store().regWriteString(kGeneral, str("width"), str("90")));
        QVERIFY(store().regWriteString(kGeneral, QString(), str("default text")));
        QVERIFY(store().regWriteString(kGeneral, str("lines"), str("a\nb")));
        QVERIFY(store().createKey(kGeneral + str("\\Sub2")));
        QVERIFY(store().createKey(kGeneral + str("\\sub1")));
    }
    void cleanup() { m_store.reset(); }

    void querySingleValue_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::newRow("value as stored")
            << QStringList{str("query"), kGeneral, str("width")} << 0 << str("90\n");
        QTest::newRow("names ignore case")
            << strs({"query", "software\\OSMIRA\\v11\\settings\\GENERAL", "WIDTH"}) << 0
            << str("90\n");
        QTest::newRow("empty name is the default value")
            << QStringList{str("query"), kGeneral, QString()} << 0 << str("default text\n");
        QTest::newRow("data printed as is")
            << QStringList{str("query"), kGeneral, str("lines")} << 0 << str("a\nb\n");
        QTest::newRow("long hive name accepted")
            << QStringList{str("query"), str("HKEY_CURRENT_USER\\") + kGeneral, str("width")} << 0
            << str("90\n");
        QTest::newRow("short hive name accepted")
            << QStringList{str("query"), str("hkcu\\") + kGeneral, str("width")} << 0
            << str("90\n");
        QTest::newRow("missing value fails")
            << QStringList{str("query"), kGeneral, str("nothing")} << 1 << QString();
        QTest::newRow("missing key fails")
            << strs({"query", "Software\\Nowhere", "width"}) << 1 << QString();
        QTest::newRow("other hive fails")
            << QStringList{str("query"), str("HKEY_LOCAL_MACHINE\\") + kGeneral, str("width")} << 1
            << QString();
    }
    void querySingleValue()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        const Outcome outcome = run(args);
        QCOMPARE(outcome.exitCode, exitCode);
        QCOMPARE(outcome.out, out);
        QCOMPARE(outcome.err.isEmpty(), exitCode == 0);
    }

    void queryKeyListsValuesThenSubkeys()
    {
        const Outcome outcome =
            run({str("query"), str("hkcu\\software\\osmira\\v11\\settings\\general")});
        QCOMPARE(outcome.exitCode, 0);
        QCOMPARE(outcome.err, QString());
        QCOMPARE(outcome.out, str("width=90\n"
                                  "@=default text\n"
                                  "lines=a\\nb\n"
                                  "[Software\\Osmira\\v11\\Settings\\general\\sub1]\n"
                                  "[Software\\Osmira\\v11\\Settings\\general\\Sub2]\n"));
    }

    void queryOfTheRootListsTopKeys()
    {
        QVERIFY(store().createKey(str("Other")));
        const Outcome outcome = run(strs({"query", "HKEY_CURRENT_USER"}));
        QCOMPARE(outcome.exitCode, 0);
        QCOMPARE(outcome.out, str("[Other]\n[Software]\n"));
    }

    void queryOfAMissingKeyFails()
    {
        const Outcome outcome = run(strs({"query", "Software\\Nowhere"}));
        QCOMPARE(outcome.exitCode, 1);
        QCOMPARE(outcome.out, QString());
        QVERIFY(outcome.err.contains(str("Software\\Nowhere")));
        QVERIFY(!store().keyExists(str("Software\\Nowhere")));
    }

    void addWritesAndCreatesParents()
    {
        QCOMPARE(run(strs({"add", "HKCU\\Software\\New\\Deep", "name", "some data"})).exitCode, 0);
        QCOMPARE(store().regReadString(str("Software\\New\\Deep"), str("name")), str("some data"));
        QCOMPARE(run(strs({"add", "Software\\New", "", "default"})).exitCode, 0);
        QCOMPARE(store().regReadString(str("Software\\New"), QString()), str("default"));
        QCOMPARE(run({str("add"), kGeneral, str("width"), QString()}).exitCode, 0);
        QVERIFY(store().valueExists(kGeneral, str("width")));
        QCOMPARE(store().regReadString(kGeneral, str("width")), QString());
    }

    void deleteValue()
    {
        const Outcome outcome = run({str("delete"), kGeneral, str("WIDTH")});
        QCOMPARE(outcome.exitCode, 0);
        QCOMPARE(outcome.out + outcome.err, QString());
        QVERIFY(!store().valueExists(kGeneral, str("width")));
        QVERIFY(store().valueExists(kGeneral, QString()));

        QCOMPARE(run({str("delete"), kGeneral, QString()}).exitCode, 0);
        QVERIFY(!store().valueExists(kGeneral, QString()));
    }

    void deleteMissingValueOrKeyFailsAndCreatesNothing()
    {
        Outcome outcome = run({str("delete"), kGeneral, str("nothing")});
        QCOMPARE(outcome.exitCode, 1);
        QVERIFY(!outcome.err.isEmpty());
        outcome = run(strs({"delete", "Software\\Nowhere", "width"}));
        QCOMPARE(outcome.exitCode, 1);
        outcome = run(strs({"delete", "Software\\Nowhere"}));
        QCOMPARE(outcome.exitCode, 1);
        QVERIFY(!store().keyExists(str("Software\\Nowhere")));
    }

    void deleteKeyRemovesItsTreeOnly()
    {
        QVERIFY(store().regWriteString(kGeneral + str("2"), str("width"), str("1")));
        QCOMPARE(run({str("delete"), kGeneral}).exitCode, 0);
        QVERIFY(!store().keyExists(kGeneral));
        QVERIFY(!store().keyExists(kGeneral + str("\\sub1")));
        QCOMPARE(store().regReadString(kGeneral + str("2"), str("width")), str("1"));
    }

    void deletingEverythingIsRefused()
    {
        for (const char *root : {"HKCU", "HKEY_CURRENT_USER\\", "\\"}) {
            const Outcome outcome = run(strs({"delete", root}));
            QCOMPARE(outcome.exitCode, 1);
            QVERIFY(store().keyExists(kGeneral));
        }
    }

    void wrongUsagePrintsUsage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("nothing") << QStringList();
        QTest::newRow("unknown command") << strs({"list", "Software"});
        QTest::newRow("query without key") << strs({"query"});
        QTest::newRow("query with extra argument") << strs({"query", "a", "b", "c"});
        QTest::newRow("add without data") << strs({"add", "Software", "name"});
        QTest::newRow("delete without key") << strs({"delete"});
        QTest::newRow("export of two keys") << strs({"export", "a", "b"});
        QTest::newRow("import without file") << strs({"import"});
        QTest::newRow("command in capitals") << strs({"QUERY", "Software"});
    }
    void wrongUsagePrintsUsage()
    {
        QFETCH(QStringList, args);
        const QString before = exportAll();
        const Outcome outcome = run(args);
        QCOMPARE(outcome.exitCode, 2);
        QCOMPARE(outcome.out, QString());
        QCOMPARE(outcome.err, regCommandUsage());
        QCOMPARE(exportAll(), before);
    }

    void helpPrintsUsage()
    {
        const Outcome outcome = run(strs({"--help"}));
        QCOMPARE(outcome.exitCode, 0);
        QCOMPARE(outcome.out, regCommandUsage());
        QVERIFY(regCommandUsage().contains(str("import FILE")));
    }

    void exportMatchesTheGoldenFile()
    {
        m_store.reset();
        calmdesk::test::IsolatedEnvironment::current()->reset();
        m_store = std::make_unique<SqliteSettingsStore>(SqliteSettingsStore::defaultPath());
        fillAwkwardly(store());
        const Outcome outcome = run(strs({"export"}));
        QCOMPARE(outcome.exitCode, 0);
        QFile golden(goldenPath("awkward.reg"));
        QVERIFY(golden.open(QIODevice::ReadOnly));
        QCOMPARE(outcome.out.toUtf8(), golden.readAll());
    }

    void exportOfOneKeyUsesTheStoredSpelling()
    {
        const Outcome outcome =
            run(strs({"export", "SOFTWARE\\osmira\\V11\\settings\\general\\SUB1"}));
        QCOMPARE(outcome.exitCode, 0);
        QCOMPARE(outcome.out,
                 str("Calmdesk Settings Export 1\n"
                     "\n"
                     "[HKEY_CURRENT_USER\\Software\\Osmira\\v11\\Settings\\general\\sub1]\n"
                     "\n"));
    }

    void exportOfAMissingKeyFails()
    {
        const Outcome outcome = run(strs({"export", "Software\\Nowhere"}));
        QCOMPARE(outcome.exitCode, 1);
        QCOMPARE(outcome.out, QString());
    }

    void exportThenImportRestoresEverything()
    {
        fillAwkwardly(store());
        const QString dump = exportAll();

        m_store.reset();
        calmdesk::test::IsolatedEnvironment::current()->reset();
        m_store = std::make_unique<SqliteSettingsStore>(SqliteSettingsStore::defaultPath());
        const QString file = writeFile(dump.toUtf8());
        const Outcome outcome = run({str("import"), file});
        QCOMPARE(outcome.out + outcome.err, QString());
        QCOMPARE(outcome.exitCode, 0);
        QCOMPARE(exportAll(), dump);
        const QString settings = str("Software\\Osmira\\v11\\Settings");
        QCOMPARE(store().regReadString(settings + str("\\general"), str("lines")),
                 str("one\r\ntwo\nthree\tfour"));
        QCOMPARE(store().regReadString(settings + str("\\general"), str("ctrl")),
                 QString(QString(QChar(1)) + QChar(0) + QChar(0x7f)));
        QCOMPARE(store().regReadString(settings + str("\\general"), str("say \"hi\"")),
                 str("\"quoted\" \\ end\\"));
        QVERIFY(store().valueExists(settings + str("\\general"), str("fdf")));
        QCOMPARE(store().regReadString(settings + str("\\autocorect"), str("\u00e4rger")),
                 str("\U0001F600"));
        QVERIFY(store().keyExists(settings + str("\\Profiles\\Empty]Key")));
    }

    void importFromStandardInput()
    {
        const QByteArray text = "Calmdesk Settings Export 1\r\n"
                                "\r\n"
                                "[HKEY_CURRENT_USER\\Software\\Piped]\r\n"
                                "\"name\"=\"data \\\"x\\\"\"\r\n";
        const Outcome outcome = run(strs({"import", "-"}), text);
        QCOMPARE(outcome.exitCode, 0);
        QCOMPARE(store().regReadString(str("Software\\Piped"), str("name")), str("data \"x\""));
    }

    void importDeletesKeysAndValues()
    {
        const QByteArray text = "\xef\xbb\xbf" // a byte order mark is allowed
                                "Calmdesk Settings Export 1\n"
                                "; remove the general key but keep its sibling\n"
                                "[-HKCU\\Software\\Osmira\\v11\\Settings\\general\\sub1]\n"
                                "[HKEY_CURRENT_USER\\Software\\Osmira\\v11\\Settings\\general]\n"
                                "\"width\"=-\n"
                                "@ = -\n"
                                "\"missing\"=-\n"
                                "[-HKEY_CURRENT_USER\\Software\\Not\\There]\n";
        const Outcome outcome = run({str("import"), writeFile(text)});
        QCOMPARE(outcome.err, QString());
        QCOMPARE(outcome.exitCode, 0);
        QCOMPARE(store().subkeyNames(kGeneral), strs({"Sub2"}));
        QCOMPARE(store().values(kGeneral), (QList<StoreValue>{{str("lines"), str("a\nb")}}));
        QVERIFY(!store().keyExists(str("Software\\Not")));
    }

    void malformedImportChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("line");
        const QByteArray header = "Calmdesk Settings Export 1\n";
        const QByteArray key = "[HKEY_CURRENT_USER\\Software\\Imported]\n";
        const QByteArray good = header + key + "\"a\"=\"1\"\n";
        QTest::newRow("no header") << QByteArray(key + "\"a\"=\"1\"\n") << 1;
        QTest::newRow("empty file") << QByteArray() << 1;
        QTest::newRow("value before any key") << QByteArray(header + "\"a\"=\"1\"\n") << 2;
        QTest::newRow("missing closing quote") << QByteArray(good + "\"b\"=\"2\n") << 4;
        QTest::newRow("unknown escape") << QByteArray(good + "\"b\"=\"\\q\"\n") << 4;
        QTest::newRow("short hex escape") << QByteArray(good + "\"b\"=\"\\x4\"\n") << 4;
        QTest::newRow("typed value") << QByteArray(good + "\"b\"=dword:00000001\n") << 4;
        QTest::newRow("text after the value") << QByteArray(good + "\"b\"=\"2\" x\n") << 4;
        QTest::newRow("missing equals sign") << QByteArray(good + "\"b\" \"2\"\n") << 4;
        QTest::newRow("other hive") << QByteArray(good + "[HKEY_LOCAL_MACHINE\\Software]\n") << 4;
        QTest::newRow("hive name run on") << QByteArray(good + "[HKEY_CURRENT_USERS]\n") << 4;
        QTest::newRow("unclosed key line") << QByteArray(good + "[HKCU\\Software\n") << 4;
        QTest::newRow("stray text") << QByteArray(good + "\n\nwidth=90\n") << 6;
        QTest::newRow("deleting everything") << QByteArray(good + "[-HKEY_CURRENT_USER]\n") << 4;
        QTest::newRow("value after a deleted key")
            << QByteArray(good + "[-HKCU\\Software\\Imported]\n\"c\"=\"3\"\n") << 5;
    }
    void malformedImportChangesNothing()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, line);
        const QString before = exportAll();
        const QString file = writeFile(text);
        const Outcome outcome = run({str("import"), file});
        QCOMPARE(outcome.exitCode, 1);
        QVERIFY2(outcome.err.contains(file + str(":%1: ").arg(line)), qPrintable(outcome.err));
        QCOMPARE(exportAll(), before);
        QVERIFY(!store().keyExists(str("Software\\Imported")));
    }

    void unreadableImportFails_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("missing file") << str("/nonexistent/calmdesk-import.reg") << QByteArray();
        QTest::newRow("not UTF-8") << QString()
                                   << QByteArray("Calmdesk Settings Export 1\n"
                                                 "[HKCU\\Software\\Imported]\n"
                                                 "\"a\"=\"\xe9t\xe9\"\n");
    }
    void unreadableImportFails()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        if (file.isEmpty())
            file = writeFile(bytes);
        const Outcome outcome = run({str("import"), file});
        QCOMPARE(outcome.exitCode, 1);
        QVERIFY(outcome.err.contains(file));
        QVERIFY(!store().keyExists(str("Software\\Imported")));
    }
};

CALMDESK_TEST_MAIN_CORE(RegCommandTest)

#include "tst_regcommand.moc"
