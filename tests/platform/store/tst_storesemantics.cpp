// SPDX-License-Identifier: GPL-3.0-or-later
// What callers of the settings store rely on for single keys and values: missing
// keys and values, key creation, letter case, empty path parts, the default value.

#include "platform/store/settingsstore.h"
#include "platform/store/sqlitesettingsstore.h"
#include "storetestutil.h"
#include "testmain.h"

#include <QFileInfo>
#include <QStandardPaths>

#include <memory>

using namespace calmdesk;
using calmdesk::test::kGeneral;
using calmdesk::test::kSettings;
using calmdesk::test::openUserStore;
using calmdesk::test::str;
using calmdesk::test::strs;

class StoreSemanticsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SqliteSettingsStore> m_store;

    SqliteSettingsStore &store() { return *m_store; }

private slots:
    void init()
    {
        calmdesk::test::IsolatedEnvironment::current()->reset();
        m_store = openUserStore();
    }
    void cleanup() { m_store.reset(); }

    void defaultPathIsUnderTheUsersConfigFolder()
    {
        QCOMPARE(SqliteSettingsStore::defaultPath(),
                 calmdesk::test::IsolatedEnvironment::current()->configHome() +
                     QStringLiteral("/calmdesk/settings.db"));
        QVERIFY(QFileInfo::exists(SqliteSettingsStore::defaultPath()));
        QVERIFY(store().setAsidePath().isEmpty());
        QVERIFY(!store().isInMemory());
        QVERIFY(!store().isReadOnly());
    }

    void missingKeyOrValueReadsEmptyAndCreatesNothing()
    {
        QCOMPARE(store().regReadString(kGeneral, QStringLiteral("width")), QString());
        QVERIFY(!store().valueExists(kGeneral, QStringLiteral("width")));
        QVERIFY(!store().keyExists(kGeneral));
        QVERIFY(!store().keyExists(QStringLiteral("Software")));
        QVERIFY(store().values(kGeneral).isEmpty());
        QVERIFY(store().subkeyNames(kGeneral).isEmpty());
        QVERIFY(!store().keyExists(kGeneral));

        QVERIFY(store().createKey(kGeneral));
        QCOMPARE(store().regReadString(kGeneral, QStringLiteral("width")), QString());
        QVERIFY(!store().valueExists(kGeneral, QStringLiteral("width")));
    }

    void numberText_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("expected");
        QTest::newRow("absent value counts as zero") << false << QString() << QStringLiteral("0");
        QTest::newRow("empty value counts as zero") << true << QString() << QStringLiteral("0");
        QTest::newRow("blanks only count as zero") << true << QStringLiteral(" \t ") << str("0");
        QTest::newRow("plain number unchanged") << true << QStringLiteral("240") << str("240");
        QTest::newRow("spaces around are trimmed") << true << QStringLiteral("  12 ") << str("12");
        QTest::newRow("control codes are trimmed")
            << true << QStringLiteral("\x01\t7\r\n") << QStringLiteral("7");
        QTest::newRow("inner blanks stay") << true << QStringLiteral(" 1 2 ") << str("1 2");
        QTest::newRow("non-numbers pass through") << true << QStringLiteral(" abc") << str("abc");
        QTest::newRow("codes above 32 are not trimmed")
            << true << QStringLiteral("\u00a05\u00a0") << QStringLiteral("\u00a05\u00a0");
    }
    void numberText()
    {
        QFETCH(bool, present);
        QFETCH(QString, stored);
        QFETCH(QString, expected);
        if (present)
            QVERIFY(store().regWriteString(kGeneral, QStringLiteral("perpage"), stored));
        QCOMPARE(store().regReadNumberText(kGeneral, QStringLiteral("perpage")), expected);
    }

    void writeCreatesTheKeyAndItsParents()
    {
        QVERIFY(store().regWriteString(kGeneral, QStringLiteral("fdf"), QStringLiteral("/a.txt")));
        QCOMPARE(store().regReadString(kGeneral, QStringLiteral("fdf")), QStringLiteral("/a.txt"));
        for (const char *key : {"Software", "Software\\Osmira", "Software\\Osmira\\v11",
                                "Software\\Osmira\\v11\\Settings"})
            QVERIFY2(store().keyExists(QString::fromLatin1(key)), key);
        QCOMPARE(store().subkeyNames(QStringLiteral("Software")), strs({"Osmira"}));
        QCOMPARE(store().subkeyNames(QString()), strs({"Software"}));
        QVERIFY(store().values(kSettings).isEmpty());
    }

    void writeReplacesTheValue()
    {
        QVERIFY(store().regWriteString(kGeneral, QStringLiteral("width"), QStringLiteral("90")));
        QVERIFY(store().regWriteString(kGeneral, QStringLiteral("width"), QStringLiteral("75")));
        QCOMPARE(store().regReadString(kGeneral, QStringLiteral("width")), QStringLiteral("75"));
        QCOMPARE(store().values(kGeneral).size(), 1);
    }

    void deleteValueNeverCreatesAndMissingIsNoError()
    {
        QVERIFY(store().regDeleteValue(kGeneral, QStringLiteral("a0")));
        QVERIFY(!store().keyExists(kGeneral));
        QVERIFY(!store().keyExists(QStringLiteral("Software")));

        QVERIFY(store().regWriteString(kGeneral, QStringLiteral("a0"), QStringLiteral("teh")));
        QVERIFY(store().regWriteString(kGeneral, QStringLiteral("b0"), QStringLiteral("the")));
        QVERIFY(store().regDeleteValue(kGeneral, QStringLiteral("missing")));
        QVERIFY(store().regDeleteValue(kGeneral, QStringLiteral("a0")));
        QVERIFY(!store().valueExists(kGeneral, QStringLiteral("a0")));
        QCOMPARE(store().regReadString(kGeneral, QStringLiteral("b0")), QStringLiteral("the"));
        QVERIFY2(store().keyExists(kGeneral), "deleting the last-but-one value keeps the key");
        QVERIFY(store().regDeleteValue(kGeneral, QStringLiteral("b0")));
        QVERIFY2(store().keyExists(kGeneral), "a key without values still exists");
    }

    void namesIgnoreLetterCaseAndKeepTheFirstSpelling()
    {
        QVERIFY(store().regWriteString(QStringLiteral("Software\\Osmira\\General"),
                                       QStringLiteral("ShowWord"), QStringLiteral("1")));
        QCOMPARE(store().regReadString(QStringLiteral("SOFTWARE\\osmira\\general"),
                                       QStringLiteral("showword")),
                 QStringLiteral("1"));
        QVERIFY(store().regWriteString(QStringLiteral("software\\OSMIRA\\GENERAL"),
                                       QStringLiteral("SHOWWORD"), QStringLiteral("0")));
        const QList<StoreValue> values =
            store().values(QStringLiteral("Software\\Osmira\\General"));
        QCOMPARE(values, (QList<StoreValue>{{QStringLiteral("ShowWord"), QStringLiteral("0")}}));
        QCOMPARE(store().subkeyNames(QStringLiteral("SOFTWARE\\OSMIRA")), strs({"General"}));
        QVERIFY(store().regDeleteValue(QStringLiteral("software\\osmira\\general"),
                                       QStringLiteral("showWORD")));
        QVERIFY(store().values(QStringLiteral("Software\\Osmira\\General")).isEmpty());
    }

    void nonAsciiNamesIgnoreCase()
    {
        QVERIFY(store().regWriteString(QStringLiteral("Software\\\u00c9t\u00e9"),
                                       QStringLiteral("\u00c4rger"), QStringLiteral("x")));
        QCOMPARE(store().regReadString(QStringLiteral("software\\\u00e9T\u00c9"),
                                       QStringLiteral("\u00e4RGER")),
                 QStringLiteral("x"));
    }

    void emptyPathComponentsAreIgnored_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("doubled backslash") << QStringLiteral("Software\\\\Osmira\\general");
        QTest::newRow("trailing backslash") << QStringLiteral("Software\\Osmira\\general\\");
        QTest::newRow("leading backslash") << QStringLiteral("\\Software\\Osmira\\general");
        QTest::newRow("doubled trailing") << QStringLiteral("Software\\Osmira\\general\\\\");
    }
    void emptyPathComponentsAreIgnored()
    {
        QFETCH(QString, path);
        const QString plain = QStringLiteral("Software\\Osmira\\general");
        QVERIFY(store().regWriteString(path, QStringLiteral("v"), QStringLiteral("1")));
        QCOMPARE(store().regReadString(plain, QStringLiteral("v")), QStringLiteral("1"));
        QCOMPARE(store().subkeyNames(QStringLiteral("Software\\Osmira")), strs({"general"}));
        QVERIFY(store().keyExists(path));
    }

    void defaultValueIsTheEmptyName()
    {
        QVERIFY(store().regWriteString(QStringLiteral("Software\\Classes\\.txt"), QString(),
                                       QStringLiteral("txtfile")));
        QCOMPARE(store().regReadString(QStringLiteral("Software\\Classes\\.txt"), QString()),
                 QStringLiteral("txtfile"));
        QVERIFY(store().valueExists(QStringLiteral("Software\\Classes\\.txt"), QStringLiteral("")));
        QVERIFY(
            !store().valueExists(QStringLiteral("Software\\Classes\\.txt"), QStringLiteral("@")));
        QCOMPARE(store().values(QStringLiteral("Software\\Classes\\.txt")),
                 (QList<StoreValue>{{QString(), QStringLiteral("txtfile")}}));
    }

    void emptyDataIsAPresentValue()
    {
        QVERIFY(store().regWriteString(kGeneral, QStringLiteral("fdf"), QString()));
        QVERIFY(store().valueExists(kGeneral, QStringLiteral("fdf")));
        QCOMPARE(store().regReadString(kGeneral, QStringLiteral("fdf")), QString());
    }

    void awkwardDataRoundTrips_data()
    {
        QTest::addColumn<QString>("data");
        QTest::newRow("line breaks") << QStringLiteral("one\r\ntwo\nthree");
        QTest::newRow("non-ASCII") << QStringLiteral("Gr\u00fc\u00dfe \u65e5\u672c \U0001F600");
        QTest::newRow("quotes and backslashes") << QStringLiteral("\"C:\\x\" '\\\\'");
        QTest::newRow("embedded NUL")
            << QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b"));
        QTest::newRow("long text") << QString(100000, QLatin1Char('w'));
    }
    void awkwardDataRoundTrips()
    {
        QFETCH(QString, data);
        QVERIFY(store().regWriteString(kGeneral, QStringLiteral("diary"), data));
        QCOMPARE(store().regReadString(kGeneral, QStringLiteral("diary")), data);
        m_store.reset();
        QCOMPARE(openUserStore()->regReadString(kGeneral, QStringLiteral("diary")), data);
    }

    void valuesKeepTheOrderOfFirstWriting()
    {
        for (const char *name : {"restore", "restpar", "a10", "a2", "Zed"})
            QVERIFY(
                store().regWriteString(kGeneral, QString::fromLatin1(name), QStringLiteral("0")));
        QVERIFY(store().regWriteString(kGeneral, QStringLiteral("restpar"), QStringLiteral("1")));
        QStringList names;
        for (const StoreValue &value : store().values(kGeneral))
            names << value.name;
        QCOMPARE(names, strs({"restore", "restpar", "a10", "a2", "Zed"}));
    }

    void subkeysAreListedAlphabeticallyIgnoringCase()
    {
        for (const char *name : {"refs2", "Profiles", "autotext", "general", "Autocorect"})
            QVERIFY(store().createKey(kSettings + QLatin1Char('\\') + QString::fromLatin1(name)));
        QVERIFY(store().createKey(kSettings + QStringLiteral("\\general\\deeper")));
        QCOMPARE(store().subkeyNames(kSettings),
                 strs({"Autocorect", "autotext", "general", "Profiles", "refs2"}));
    }

    void listSubkeysCreatesTheKeyButSubkeyNamesDoesNot()
    {
        const QString profiles = kSettings + QStringLiteral("\\Profiles");
        QVERIFY(store().subkeyNames(profiles).isEmpty());
        QVERIFY(!store().keyExists(profiles));
        QVERIFY(store().listSubkeys(profiles).isEmpty());
        QVERIFY(store().keyExists(profiles));
        QVERIFY(store().createKey(profiles + QStringLiteral("\\work")));
        QCOMPARE(store().listSubkeys(profiles), strs({"work"}));
    }

    void rootAlwaysExists()
    {
        QVERIFY(store().keyExists(QString()));
        QVERIFY(store().keyExists(QStringLiteral("\\")));
        QVERIFY(store().subkeyNames(QString()).isEmpty());
    }
};

CALMDESK_TEST_MAIN_CORE(StoreSemanticsTest)

#include "tst_storesemantics.moc"
