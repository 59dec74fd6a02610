// SPDX-License-Identifier: GPL-3.0-or-later
// Whole subtrees of the settings store: deleting and copying, as profiles do.

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

class StoreTreeTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SqliteSettingsStore> m_store;
    SqliteSettingsStore &store() { return *m_store; }

    void write(const QString &key, const char *name, const char *data)
    {
        QVERIFY(store().regWriteString(key, QString::fromLatin1(name), QString::fromLatin1(data)));
    }

    // A profile-like tree: values at two levels and an empty subkey.
    void makeTree(const QString &top)
    {
        write(top + QStringLiteral("\\general"), "width", "80");
        write(top + QStringLiteral("\\general"), "txtfont", "Mono");
        write(top + QStringLiteral("\\autocorect"), "a0", "teh");
        write(top + QStringLiteral("\\autocorect\\Deep"), "", "default");
        QVERIFY(store().createKey(top + QStringLiteral("\\autotext")));
    }

    void verifyTree(const QString &top)
    {
        QCOMPARE(store().subkeyNames(top), strs({"autocorect", "autotext", "general"}));
        QCOMPARE(store().values(top + QStringLiteral("\\general")),
                 (QList<StoreValue>{{QStringLiteral("width"), QStringLiteral("80")},
                                    {QStringLiteral("txtfont"), QStringLiteral("Mono")}}));
        QCOMPARE(store().regReadString(top + QStringLiteral("\\autocorect"), QStringLiteral("a0")),
                 QStringLiteral("teh"));
        QCOMPARE(store().regReadString(top + QStringLiteral("\\autocorect\\deep"), QString()),
                 QStringLiteral("default"));
        QCOMPARE(store().subkeyNames(top + QStringLiteral("\\autocorect")), strs({"Deep"}));
        QVERIFY(store().keyExists(top + QStringLiteral("\\autotext")));
        QVERIFY(store().values(top + QStringLiteral("\\autotext")).isEmpty());
    }

private slots:
    void init()
    {
        calmdesk::test::IsolatedEnvironment::current()->reset();
        m_store = openUserStore();
    }
    void cleanup() { m_store.reset(); }

    void deleteTreeRemovesKeyValuesAndSubkeys()
    {
        makeTree(kSettings);
        QVERIFY(store().deleteTree(kSettings + QStringLiteral("\\autocorect")));
        QVERIFY(!store().keyExists(kSettings + QStringLiteral("\\autocorect")));
        QVERIFY(!store().keyExists(kSettings + QStringLiteral("\\autocorect\\Deep")));
        QCOMPARE(store().subkeyNames(kSettings), strs({"autotext", "general"}));
        // Nothing of the old key comes back when one of the same name is made again.
        QVERIFY(store().createKey(kSettings + QStringLiteral("\\AUTOCORECT")));
        QVERIFY(store().values(kSettings + QStringLiteral("\\autocorect")).isEmpty());
        QVERIFY(store().subkeyNames(kSettings + QStringLiteral("\\autocorect")).isEmpty());
        QCOMPARE(store().subkeyNames(kSettings), strs({"AUTOCORECT", "autotext", "general"}));
    }

    void deleteTreeSparesSiblingsWithTheSameBeginning()
    {
        write(kSettings + QStringLiteral("\\general"), "width", "80");
        write(kSettings + QStringLiteral("\\general\\sub"), "x", "1");
        write(kSettings + QStringLiteral("\\general2"), "width", "70");
        write(kSettings + QStringLiteral("\\general2\\sub"), "x", "2");
        write(kSettings + QStringLiteral("\\general]"), "width", "60");
        write(kSettings + QStringLiteral("\\gener"), "width", "50");
        QVERIFY(store().deleteTree(kSettings + QStringLiteral("\\General")));
        QVERIFY(!store().keyExists(kSettings + QStringLiteral("\\general")));
        QCOMPARE(store().regReadString(kSettings + QStringLiteral("\\general2"),
                                       QStringLiteral("width")),
                 QStringLiteral("70"));
        QCOMPARE(store().regReadString(kSettings + QStringLiteral("\\general2\\sub"),
                                       QStringLiteral("x")),
                 QStringLiteral("2"));
        QCOMPARE(store().regReadString(kSettings + QStringLiteral("\\general]"),
                                       QStringLiteral("width")),
                 QStringLiteral("60"));
        QCOMPARE(
            store().regReadString(kSettings + QStringLiteral("\\gener"), QStringLiteral("width")),
            QStringLiteral("50"));
    }

    void deleteTreeOfAMissingKeyIsNoError()
    {
        QVERIFY(store().deleteTree(kSettings + QStringLiteral("\\general")));
        QVERIFY(!store().keyExists(kSettings));
    }

    void theRootCannotBeDeleted()
    {
        write(kSettings, "v", "1");
        QVERIFY(!store().deleteTree(QString()));
        QVERIFY(!store().deleteTree(QStringLiteral("\\\\")));
        QCOMPARE(store().regReadString(kSettings, QStringLiteral("v")), QStringLiteral("1"));
    }

    void copyTreeCopiesEverythingAndKeepsTheSource()
    {
        const QString profile = kSettings + QStringLiteral("\\Profiles\\work");
        makeTree(profile);
        QVERIFY(store().copyTree(profile, kSettings + QStringLiteral("\\live")));
        verifyTree(kSettings + QStringLiteral("\\live"));
        verifyTree(profile);
    }

    void copyTreeOntoAnExistingKeyMerges()
    {
        const QString profile = kSettings + QStringLiteral("\\Profiles\\work");
        write(profile, "width", "80");
        write(profile, "txtfont", "Mono");
        write(kSettings + QStringLiteral("\\general"), "WIDTH", "100");
        write(kSettings + QStringLiteral("\\general"), "lastknonw", "/doc.txt");
        QVERIFY(store().copyTree(profile, kSettings + QStringLiteral("\\general")));
        QCOMPARE(store().values(kSettings + QStringLiteral("\\general")),
                 (QList<StoreValue>{{QStringLiteral("WIDTH"), QStringLiteral("80")},
                                    {QStringLiteral("lastknonw"), QStringLiteral("/doc.txt")},
                                    {QStringLiteral("txtfont"), QStringLiteral("Mono")}}));
    }

    void copyTreeOfAMissingSourceDoesNothing()
    {
        QVERIFY(store().copyTree(kSettings + QStringLiteral("\\Profiles\\none"),
                                 kSettings + QStringLiteral("\\general")));
        QVERIFY(!store().keyExists(kSettings + QStringLiteral("\\general")));
        QVERIFY(!store().keyExists(kSettings));
    }

    void copyTreeIntoItsOwnSubkeyCopiesOnce()
    {
        makeTree(kSettings);
        QVERIFY(store().copyTree(kSettings, kSettings + QStringLiteral("\\general\\backup")));
        verifyTree(kSettings + QStringLiteral("\\general\\backup"));
        QVERIFY(
            !store().keyExists(kSettings + QStringLiteral("\\general\\backup\\general\\backup")));
    }

    void copyTreeOntoItselfChangesNothing()
    {
        makeTree(kSettings);
        QVERIFY(store().copyTree(kSettings, QStringLiteral("software\\osmira\\V11\\settings\\")));
        verifyTree(kSettings);
    }
};

CALMDESK_TEST_MAIN_CORE(StoreTreeTest)

#include "tst_storetrees.moc"
