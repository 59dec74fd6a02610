// SPDX-License-Identifier: GPL-3.0-or-later
// The ten recent-file slots, how an opened or saved file moves through them, and their
// mirror in the settings store.

#include "document/recentfiles.h"
#include "platform/store/sqlitesettingsstore.h"
#include "settings/settings.h"
#include "testmain.h"

#include <QSet>
#include <QTest>

#include <memory>

using namespace calmdesk;
using calmdesk::test::IsolatedEnvironment;

namespace {

const QString kKey = RecentFiles::mruKey(settingsRoot());

// "f0 - f2" stands for the slots /d/f0.txt, empty, /d/f2.txt and empty ones up to ten.
QStringList paths(const QString &names)
{
    QStringList list;
    for (const QString &name : names.split(' ', Qt::SkipEmptyParts))
        list << (name == "-" ? QString() : "/d/" + name + ".txt");
    while (list.size() < RecentFiles::kSlots)
        list << QString();
    return list;
}

} // namespace

class TestRecentFiles : public QObject
{
    Q_OBJECT

private slots:
    void init() { IsolatedEnvironment::current()->reset(); }

    void openedFilesMove_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("gone");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("listed");
        const QString full = "f0 f1 f2 f3 f4 f5 f6 f7 f8 f9";

        QTest::newRow("nothing yet") << ""
                                     << ""
                                     << ""
                                     << ""
                                     << ""
                                     << "";
        QTest::newRow("an eleventh file pushes slot 0 out") << full << ""
                                                            << "f10"
                                                            << "f1 f2 f3 f4 f5 f6 f7 f8 f9 f10"
                                                            << "f1 f2 f3 f4 f5 f6 f7 f8 f9 f10"
                                                            << "f10 f9 f8 f7 f6 f5 f4 f3 f2 f1";
        QTest::newRow("slot 3 of a full list moves to slot 9") << full << ""
                                                               << "f3"
                                                               << "f0 f1 f2 f4 f5 f6 f7 f8 f9 f3"
                                                               << "f0 f1 f2 f4 f5 f6 f7 f8 f9 f3"
                                                               << "f3 f9 f8 f7 f6 f5 f4 f2 f1 f0";
        // The moved file sits in slot 9, so a new one fills the gap and is listed below it.
        QTest::newRow("reopened slot 1, then a new file") << "f0 f1 f2 f3"
                                                          << ""
                                                          << "f1 new"
                                                          << "f0 f2 f3 new - - - - - f1"
                                                          << "f0 f2 f3 new - - - - - f1"
                                                          << "f1 new f3 f2 f0";
        QTest::newRow("letter case makes another file") << ""
                                                        << ""
                                                        << "Notes notes"
                                                        << "Notes notes"
                                                        << "Notes notes"
                                                        << "notes Notes";
        QTest::newRow("a file stored twice ends in the top two slots") << "f0 f1 f0 f2"
                                                                       << ""
                                                                       << "f0"
                                                                       << "f1 f2 - - - - - - f0 f0"
                                                                       << "f1 f2 - - - - - - f0 f0"
                                                                       << "f0 f0 f2 f1";
        QTest::newRow("a vanished file keeps its slot, not its item or value") << "f0 f1 f2 f3"
                                                                               << "f1"
                                                                               << "new"
                                                                               << "f0 f1 f2 f3 new"
                                                                               << "f0 - f2 f3 new"
                                                                               << "new f3 f2 f0";
    }
    void openedFilesMove()
    {
        QFETCH(QString, before);
        QFETCH(QString, gone);
        QFETCH(QString, opened);
        QFETCH(QString, after);
        QFETCH(QString, stored);
        QFETCH(QString, listed);

        auto store = std::make_unique<SqliteSettingsStore>(SqliteSettingsStore::defaultPath());
        const QStringList initial = paths(before);
        for (int n = 0; n < initial.size(); ++n)
            store->regWriteString(kKey, RecentFiles::valueName(n), initial[n]);
        const QStringList vanished = paths(gone);
        const QSet<QString> missing(vanished.begin(), vanished.end());
        const auto exists = [&missing](const QString &path) {
            return !missing.contains(path);
        };

        RecentFiles recent(*store, settingsRoot(), exists);
        recent.loadMRU();
        recent.rebuildMRU();
        for (const QString &path : paths(opened))
            if (!path.isEmpty())
                recent.addMRU(path);

        QCOMPARE(QStringList(recent.mruList().begin(), recent.mruList().end()), paths(after));
        QStringList names;
        for (const RecentEntry &entry : recent.entries()) {
            names << entry.fileName.chopped(4);
            QCOMPARE(recent.pathOfSlot(entry.slot), "/d/" + entry.fileName);
        }
        QCOMPARE(names, listed.split(' ', Qt::SkipEmptyParts));

        // What the store keeps is what the next start finds.
        store = std::make_unique<SqliteSettingsStore>(SqliteSettingsStore::defaultPath());
        RecentFiles next(*store, settingsRoot(), exists);
        QCOMPARE(next.loadMRU(), int(paths(stored).size() - paths(stored).count(QString())));
        QCOMPARE(QStringList(next.mruList().begin(), next.mruList().end()), paths(stored));
    }
};

CALMDESK_TEST_MAIN_CORE(TestRecentFiles)
#include "test_recentfiles.moc"
