// SPDX-License-Identifier: GPL-3.0-or-later
// The recent-files menu in the editor: what it lists, where it pops up, and what its
// items do.

#include "app/layout/edgepanels.h"
#include "app/window/recentfilespopup.h"
#include "document/recentmenu.h"
#include "mainwindowfixture.h"
#include "statuslabels.h"
#include "testmain.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QTest>

using namespace calmdesk;
using calmdesk::test::MainWindowFixture;
using calmdesk::test::statusLabel;

namespace {

const QString kMru = RecentFiles::mruKey(settingsRoot());

// The items of the open menu as a screen reader announces them; "-" for a separator, and
// "(off)" after an item that cannot be chosen.
QStringList readOut(QMenu *menu)
{
    menu->popup(QPoint(0, 0));
    QStringList items;
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(menu);
    for (int i = 0; i < list->childCount(); ++i) {
        QAccessibleInterface *item = list->child(i);
        if (item->role() == QAccessible::Separator)
            items << QStringLiteral("-");
        else if (!item->state().invisible)
            items << item->text(QAccessible::Name) + (item->state().disabled ? " (off)" : "");
    }
    menu->close();
    return items;
}

} // namespace

class TestRecentFiles : public QObject
{
    Q_OBJECT

    static RecentMenu *menuOf(TfrmMain &w) { return w.recentFiles()->menu(); }

    // The menu, the "Recent Files" button and the top bar behind it.
    static QList<bool> shown(TfrmMain &w)
    {
        return {menuOf(w)->isVisible(), w.edgePanels()->recentButton()->isVisible(),
                w.edgePanels()->isTopBarShown()};
    }

private slots:
    void storedFilesAreListedAtStartUp()
    {
        MainWindowFixture f;
        const QStringList names = {"Tom & Jerry.txt", "gone.txt", "b.txt"};
        for (int n = 0; n < names.size(); ++n)
            f.store->regWriteString(kMru, RecentFiles::valueName(n), f.folder() + "/" + names[n]);
        f.writeFile(names[0], "text");
        f.writeFile(names[2], "text");
        QVERIFY(f.start());
        QCOMPARE(readOut(menuOf(f.window())),
                 (QStringList{"Open...", "-", "1. b.txt", "2. Tom & Jerry.txt", "-", "Save",
                              "Save As...", "-", "Exit"}));
    }

    void openedAndSavedFilesComeFirstAndItemsOpenThem()
    {
        MainWindowFixture f;
        TfrmMain &w = f.window();
        QVERIFY(f.start());
        QCOMPARE(readOut(menuOf(w)), (QStringList{"Open...", "-", "(no recent files) (off)", "-",
                                                  "Save", "Save As...", "-", "Exit"}));
        const QString a = f.writeFile("a.txt", "alpha");
        QVERIFY(w.document()->openDocument(a));
        QVERIFY(w.document()->openDocument(f.writeFile("b & c.txt", "beta")));
        QCOMPARE(readOut(menuOf(w)).mid(2, 3), (QStringList{"1. b & c.txt", "2. a.txt", "-"}));

        f.dialogs.paths = {f.folder() + "/saved.txt"};
        QVERIFY(w.document()->saveDocument(true));
        QCOMPARE(readOut(menuOf(w)).mid(2, 3),
                 (QStringList{"1. saved.txt", "2. b & c.txt", "3. a.txt"}));

        // Choosing an item asks about the changes first, then opens its file.
        w.textColumn()->replaceSelection("more");
        f.messages.answers = {Answer::No};
        menuOf(w)->actions().at(4)->trigger();
        QCOMPARE(f.messages.shown.size(), 1);
        QCOMPARE(w.document()->curFile(), a);
        QCOMPARE(w.textColumn()->text(), QString("alpha"));
        QCOMPARE(readOut(menuOf(w)).mid(2, 3),
                 (QStringList{"1. a.txt", "2. saved.txt", "3. b & c.txt"}));
    }

    void calledUpOnlyWhenTheSettingAllowsIt_data()
    {
        QTest::addColumn<QString>("showmru");
        QTest::addColumn<QList<bool>>("afterKey");
        QTest::addColumn<QList<bool>>("afterClick");
        QTest::newRow("on") << "1" << QList<bool>{true, true, true}
                            << QList<bool>{true, false, false};
        QTest::newRow("off") << "0" << QList<bool>{false, false, false}
                             << QList<bool>{false, false, false};
    }
    void calledUpOnlyWhenTheSettingAllowsIt()
    {
        QFETCH(QString, showmru);
        QFETCH(QList<bool>, afterKey);
        QFETCH(QList<bool>, afterClick);
        MainWindowFixture f;
        f.setGeneral("showmru", showmru);
        f.setGeneral("show_status", "1");
        TfrmMain &w = f.window();
        QVERIFY(f.start());
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QList<bool> nothing{false, false, false};

        // Ctrl+R: the menu below the top bar at the window's top left, the bar up meanwhile.
        w.FormKeyUp(Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(shown(w), afterKey);
        if (menuOf(w)->isVisible())
            QCOMPARE(menuOf(w)->pos(), w.mapToGlobal(QPoint(0, 25)));
        menuOf(w)->close();
        QCOMPARE(shown(w), nothing);

        // A left click on the file name: the menu alone.
        QTest::mouseClick(statusLabel(&w, "lblFile"), Qt::LeftButton);
        QCOMPARE(shown(w), afterClick);
        menuOf(w)->close();
        QCOMPARE(shown(w), nothing);
    }

    void recentFilesButtonCallsUpTheMenuAndThePointerOverTheTextHidesIt()
    {
        MainWindowFixture f;
        TfrmMain &w = f.window();
        QVERIFY(f.start());
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QAbstractButton *pctRecent = w.edgePanels()->recentButton();
        QCOMPARE(QAccessible::queryAccessibleInterface(pctRecent)->text(QAccessible::Name),
                 QString("Recent Files"));
        w.edgePanels()->showRecentBar(true);
        pctRecent->click();
        QCOMPARE(menuOf(w)->pos(), w.mapToGlobal(QPoint(0, 25)));
        menuOf(w)->close();
        QCOMPARE(shown(w), (QList<bool>{false, false, false}));

        w.edgePanels()->showRecentBar(true);
        QTest::mouseMove(w.windowHandle(), w.textColumn()->geometry().center());
        QTRY_COMPARE(shown(w), (QList<bool>{false, false, false}));
    }
};

CALMDESK_TEST_MAIN(TestRecentFiles)
#include "tst_recentfiles.moc"
