// SPDX-License-Identifier: GPL-3.0-or-later
#include "goals/documentlimits.h"
#include "platform/store/sqlitesettingsstore.h"
#include "settings/settings.h"
#include "testmain.h"

#include <QTest>

#include <memory>

using namespace calmdesk;
using calmdesk::test::IsolatedEnvironment;

namespace {

const QString kRoot = settingsRoot();
const QString kKey = kRoot + QStringLiteral("\\limits");

DocumentLimits allSet()
{
    DocumentLimits limits;
    limits.limchar = 5000;
    limits.limword = 1000;
    limits.limpara = 40;
    limits.limpage = 12;
    limits.deadlineDay = 9;
    limits.deadlineMonth = 12;
    limits.deadlineYear = 2026;
    return limits;
}

QStringList valueNames(const SettingsStore &store)
{
    QStringList names;
    for (const StoreValue &value : store.values(kKey))
        names.append(value.name);
    return names;
}

} // namespace

// Each document's limits in the settings store, under names made from its path.
class DocumentLimitsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<SqliteSettingsStore> store;

private slots:
    void init()
    {
        IsolatedEnvironment::current()->reset();
        store = std::make_unique<SqliteSettingsStore>(SqliteSettingsStore::defaultPath());
    }
    void cleanup() { store.reset(); }

    void prefix_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("Windows path") << "C:\\Books\\novel.txt"
                                      << "C--Books-novel.txt";
        QTest::newRow("slashes, spaces and dots stay") << "/home/a b/my.novel.txt"
                                                       << "/home/a b/my.novel.txt";
        QTest::newRow("untitled") << ""
                                  << "";
        QTest::newRow("letter case kept") << "/Home/Novel.TXT"
                                          << "/Home/Novel.TXT";
    }
    void prefix()
    {
        QFETCH(QString, path);
        QFETCH(QString, prefix);
        QCOMPARE(limitValuePrefix(path), prefix);
    }

    void writtenUnderValueNamesFromThePath()
    {
        QVERIFY(writeLimits(*store, kRoot, "C:\\Books\\novel.txt", allSet()));
        const QStringList expected = {"C--Books-novel.txt:dlineday", "C--Books-novel.txt:dlinemon",
                                      "C--Books-novel.txt:dlineyea", "C--Books-novel.txt:limchar",
                                      "C--Books-novel.txt:limword",  "C--Books-novel.txt:limpara",
                                      "C--Books-novel.txt:limpage"};
        QCOMPARE(valueNames(*store), expected);
        QCOMPARE(store->regReadString(kKey, "C--Books-novel.txt:limchar"), QString("5000"));
        QCOMPARE(store->regReadString(kKey, "C--Books-novel.txt:dlineyea"), QString("2026"));
    }

    void untitledNamesStartWithTheColon()
    {
        DocumentLimits limits;
        limits.limword = 300;
        QVERIFY(writeLimits(*store, kRoot, QString(), limits));
        QCOMPARE(valueNames(*store), QStringList{":limword"});
        QCOMPARE(readLimits(*store, kRoot, QString()).limword, 300);
    }

    void roundTrip()
    {
        const QString path = "/home/writer/novel.txt";
        QVERIFY(writeLimits(*store, kRoot, path, allSet()));
        QCOMPARE(readLimits(*store, kRoot, path), allSet());
        QCOMPARE(readLimits(*store, kRoot, "/home/writer/other.txt"), DocumentLimits());
    }

    void limitSetBackToZeroIsDeleted()
    {
        const QString path = "/home/writer/novel.txt";
        QVERIFY(writeLimits(*store, kRoot, path, allSet()));
        DocumentLimits fewer = allSet();
        fewer.limword = 0;
        fewer.limpage = 0;
        QVERIFY(writeLimits(*store, kRoot, path, fewer));
        QVERIFY(!store->valueExists(kKey, path + ":limword"));
        QVERIFY(!store->valueExists(kKey, path + ":limpage"));
        QVERIFY(store->valueExists(kKey, path + ":limchar"));
        QCOMPARE(readLimits(*store, kRoot, path), fewer);

        QVERIFY(writeLimits(*store, kRoot, path, DocumentLimits()));
        QCOMPARE(valueNames(*store), QStringList());
    }

    void pathsEqualAfterReplacementShareLimits()
    {
        QVERIFY(writeLimits(*store, kRoot, "/a:b\\c", allSet()));
        QCOMPARE(readLimits(*store, kRoot, "/a-b-c"), allSet());
    }

    void otherDocumentsAreLeftAlone()
    {
        QVERIFY(writeLimits(*store, kRoot, "/one.txt", allSet()));
        QVERIFY(writeLimits(*store, kRoot, "/two.txt", DocumentLimits()));
        QCOMPARE(readLimits(*store, kRoot, "/one.txt"), allSet());
    }

    void unreadableValuesCountAsNotSet_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("blank") << "   " << 0;
        QTest::newRow("padded number") << " 42 " << 42;
        QTest::newRow("not a number") << "lots" << 0;
        QTest::newRow("number with text") << "12abc" << 0;
        QTest::newRow("negative") << "-5" << 0;
    }
    void unreadableValuesCountAsNotSet()
    {
        QFETCH(QString, stored);
        QFETCH(int, expected);
        QVERIFY(store->regWriteString(kKey, "/n.txt:limword", stored));
        QVERIFY(store->regWriteString(kKey, "/n.txt:limchar", "77"));
        const DocumentLimits limits = readLimits(*store, kRoot, "/n.txt");
        QCOMPARE(limits.limword, expected);
        QCOMPARE(limits.limchar, 77);
    }
};

CALMDESK_TEST_MAIN_CORE(DocumentLimitsTest)
#include "tst_documentlimits.moc"
