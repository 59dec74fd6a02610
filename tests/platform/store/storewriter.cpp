// SPDX-License-Identifier: GPL-3.0-or-later
// A second program using the settings store: writes many values while another
// process does the same, as a second editor instance or a command-line edit would.
//
//   calmdesk_store_writer DB single|batch PREFIX COUNT
//
// Writes COUNT values v0.. into Software\Test\PREFIX and PREFIX0.. into the shared
// key Software\Test\shared. "batch" groups them in batches that hold the write
// lock for a while. Exits 0 when every write succeeded.

#include "platform/store/settingsstore.h"
#include "platform/store/sqlitesettingsstore.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

namespace {

constexpr int kBatchSize = 25;
constexpr int kHoldMs = 15;
constexpr int kUsageExit = 2;

bool writeOne(calmdesk::SettingsStore &store, const QString &prefix, int i)
{
    return store.regWriteString(QStringLiteral("Software\\Test\\") + prefix,
                                QStringLiteral("v%1").arg(i), prefix + QString::number(i)) &&
           store.regWriteString(QStringLiteral("Software\\Test\\shared"),
                                prefix + QString::number(i), QString::number(i));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5)
        return kUsageExit;
    const QString mode = args.at(2);
    const QString prefix = args.at(3);
    const int count = args.at(4).toInt();

    calmdesk::SqliteSettingsStore store(args.at(1));
    int failures = 0;
    if (mode == QStringLiteral("single")) {
        for (int i = 0; i < count; ++i)
            failures += writeOne(store, prefix, i) ? 0 : 1;
    } else {
        for (int start = 0; start < count; start += kBatchSize) {
            calmdesk::StoreBatch batch(store);
            if (!batch.isActive()) {
                ++failures;
                continue;
            }
            for (int i = start; i < qMin(count, start + kBatchSize); ++i)
                failures += writeOne(store, prefix, i) ? 0 : 1;
            QThread::msleep(kHoldMs);
            failures += batch.commit() ? 0 : 1;
        }
    }
    std::printf("%d failures\n", failures);
    return failures == 0 ? 0 : 1;
}
