// SPDX-License-Identifier: GPL-3.0-or-later
// How long the settings store takes for what the program does with it: one whole
// settings update as a single transaction, opening the store and reading the general
// values at start-up, and a single write such as the hand-over of a file name.
//
//   bench_store_transaction [RUNS]
//
// Works in a temporary folder; prints the median and the worst of RUNS runs.

#include "platform/store/settingsstore.h"
#include "platform/store/sqlitesettingsstore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

using calmdesk::SettingsStore;
using calmdesk::SqliteSettingsStore;

constexpr int kDefaultRuns = 15;
constexpr int kSlots = 2049;
constexpr int kGeneralValues = 40;
constexpr int kGeneralWrittenFirst = 30;
constexpr int kGeneralWrittenLast = 3;
constexpr int kTypicalRules = 300;
constexpr int kTypicalWords = 50;
constexpr int kSingleWrites = 50;
constexpr double kNsPerMs = 1e6;

const QString kRoot = QStringLiteral("Software\\Osmira\\v11\\Settings");
const QString kGeneral = kRoot + QStringLiteral("\\general");
const QString kAutocorect = kRoot + QStringLiteral("\\autocorect");
const QString kAutotext = kRoot + QStringLiteral("\\autotext");

// Writes or deletes every slot as a settings update does; returns the calls made.
int updateSettings(SettingsStore &store, int rules, int words)
{
    int calls = 0;
    calmdesk::StoreBatch batch(store);
    for (int i = 0; i < kGeneralWrittenFirst; ++i, ++calls)
        store.regWriteString(kGeneral, QStringLiteral("value%1").arg(i), QString::number(i));
    for (int n = 0; n < kSlots; ++n) {
        const QString a = QStringLiteral("a%1").arg(n);
        const QString b = QStringLiteral("b%1").arg(n);
        if (n < rules) {
            store.regWriteString(kAutocorect, a, QStringLiteral("mistake%1").arg(n));
            store.regWriteString(kAutocorect, b, QStringLiteral("correction%1").arg(n));
        } else {
            store.regDeleteValue(kAutocorect, a);
            store.regDeleteValue(kAutocorect, b);
        }
        if (n < words)
            store.regWriteString(kAutotext, a, QStringLiteral("word%1").arg(n));
        else
            store.regDeleteValue(kAutotext, a);
        calls += 3;
    }
    for (int i = 0; i < kGeneralWrittenLast; ++i, ++calls)
        store.regWriteString(kGeneral, QStringLiteral("last%1").arg(i), QString::number(i));
    if (!batch.commit())
        std::fprintf(stderr, "commit failed\n");
    return calls;
}

struct Figures
{
    double medianMs;
    double worstMs;
};

Figures measure(int runs, const std::function<void()> &work)
{
    work(); // warm-up: file creation, page cache
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.append(double(timer.nsecsElapsed()) / kNsPerMs);
    }
    std::sort(times.begin(), times.end());
    return {times.at(times.size() / 2), times.last()};
}

void report(const char *what, const Figures &figures)
{
    std::printf("%-58s median %8.2f ms   worst %8.2f ms\n", what, figures.medianMs,
                figures.worstMs);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs =
        app.arguments().size() > 1 ? qMax(1, app.arguments().at(1).toInt()) : kDefaultRuns;
    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    const QString path = folder.filePath(QStringLiteral("settings.db"));
    std::printf("settings store benchmark, %d runs, SQLite file in %s\n", runs,
                qPrintable(folder.path()));

    SqliteSettingsStore store(path);
    int calls = 0;
    report("update, 300 rules + 50 words (one transaction)",
           measure(runs, [&] { calls = updateSettings(store, kTypicalRules, kTypicalWords); }));
    report("update, empty lists (one transaction)",
           measure(runs, [&] { updateSettings(store, 0, 0); }));
    report("update, all 2049 rules + 2049 words (one transaction)",
           measure(runs, [&] { updateSettings(store, kSlots, kSlots); }));
    std::printf("  (%d store calls per update)\n", calls);

    // The store now holds full lists, the largest file the program makes.
    for (int i = 0; i < kGeneralValues; ++i)
        store.regWriteString(kGeneral, QStringLiteral("value%1").arg(i), QString::number(i));
    report("open the store and read 40 general values", measure(runs, [&] {
               SqliteSettingsStore reopened(path);
               for (int i = 0; i < kGeneralValues; ++i)
                   reopened.regReadNumberText(kGeneral, QStringLiteral("value%1").arg(i));
           }));
    report("load all 2049 auto-correct pairs (4098 reads)", measure(runs, [&] {
               for (int n = 0; n < kSlots; ++n) {
                   store.regReadString(kAutocorect, QStringLiteral("a%1").arg(n));
                   store.regReadString(kAutocorect, QStringLiteral("b%1").arg(n));
               }
           }));
    int handOver = 0;
    report("one single write outside a batch (e.g. fdf)", measure(kSingleWrites, [&] {
               store.regWriteString(kGeneral, QStringLiteral("fdf"),
                                    path + QString::number(++handOver));
           }));
    return 0;
}
