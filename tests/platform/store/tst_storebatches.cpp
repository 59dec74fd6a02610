// SPDX-License-Identifier: GPL-3.0-or-later
// Batches: one atomic update that another connection sees all at once or not at all.

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

class StoreBatchTest : public QObject
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
        QVERIFY(store().regWriteString(kGeneral, QStringLiteral("stale"), QStringLiteral("x")));
    }
    void cleanup() { m_store.reset(); }

    void committedBatchIsSeenByAnopenUserStore()
    {
        auto other = openUserStore();
        {
            StoreBatch batch(store());
            QVERIFY(batch.isActive());
            QVERIFY(store().inBatch());
            for (int i = 0; i < 50; ++i)
                QVERIFY(store().regWriteString(kSettings + QStringLiteral("\\autocorect"),
                                               QStringLiteral("a%1").arg(i), QString::number(i)));
            QVERIFY(store().regDeleteValue(kGeneral, QStringLiteral("stale")));
            // Inside the batch its own changes are visible.
            QCOMPARE(store().regReadString(kSettings + QStringLiteral("\\autocorect"),
                                           QStringLiteral("a49")),
                     QStringLiteral("49"));
            // Outside it nothing is, and reading does not wait for the batch.
            QVERIFY(!other->keyExists(kSettings + QStringLiteral("\\autocorect")));
            QCOMPARE(other->regReadString(kGeneral, QStringLiteral("stale")), QStringLiteral("x"));
            QVERIFY(batch.commit());
        }
        QVERIFY(!store().inBatch());
        QCOMPARE(other->values(kSettings + QStringLiteral("\\autocorect")).size(), 50);
        QVERIFY(!other->valueExists(kGeneral, QStringLiteral("stale")));
    }

    void batchLeftWithoutCommitIsRolledBack()
    {
        {
            StoreBatch batch(store());
            QVERIFY(batch.isActive());
            QVERIFY(store().regWriteString(kSettings + QStringLiteral("\\autotext"),
                                           QStringLiteral("a0"), QStringLiteral("word")));
            QVERIFY(store().deleteTree(kGeneral));
        }
        QVERIFY(!store().inBatch());
        QVERIFY(!store().keyExists(kSettings + QStringLiteral("\\autotext")));
        QCOMPARE(store().regReadString(kGeneral, QStringLiteral("stale")), QStringLiteral("x"));
        QCOMPARE(openUserStore()->regReadString(kGeneral, QStringLiteral("stale")),
                 QStringLiteral("x"));
    }

    void explicitRollbackDiscardsAndWritesWorkAfterwards()
    {
        QVERIFY(store().beginBatch());
        QVERIFY(store().copyTree(kSettings, QStringLiteral("Copy")));
        store().rollbackBatch();
        QVERIFY(!store().keyExists(QStringLiteral("Copy")));
        QVERIFY(store().regWriteString(kGeneral, QStringLiteral("after"), QStringLiteral("1")));
        QCOMPARE(openUserStore()->regReadString(kGeneral, QStringLiteral("after")),
                 QStringLiteral("1"));
    }

    void batchesDoNotNest()
    {
        StoreBatch outer(store());
        QVERIFY(outer.isActive());
        StoreBatch inner(store());
        QVERIFY(!inner.isActive());
        QVERIFY(!inner.commit());
        QVERIFY(store().inBatch());
        QVERIFY(outer.commit());
        QVERIFY(!store().commitBatch());
    }
};

CALMDESK_TEST_MAIN_CORE(StoreBatchTest)

#include "tst_storebatches.moc"
