// SPDX-License-Identifier: GPL-3.0-or-later
// The status line's file label and the file menu it pops up.

#include "document/filemenu.h"
#include "filehelpers.h"
#include "handlerfixture.h"
#include "platform/dialogs/filedialogs.h"
#include "testmain.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace calmdesk;
using namespace calmdesk::test;

using MenuItem = QAction *const FileMenu::*;
Q_DECLARE_METATYPE(MenuItem)

namespace {

const QPoint kMenuPoint(120, 140);

QStringList menuLayout(const QMenu *menu)
{
    QStringList items;
    for (const QAction *action : menu->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return items;
}

QStringList enabledItems(const FileMenu *menu)
{
    QStringList items;
    for (const QAction *action : menu->actions()) {
        if (!action->isSeparator() && action->isEnabled())
            items << action->text();
    }
    return items;
}

} // namespace

class TestFileLabelMenu : public QObject
{
    Q_OBJECT

    std::unique_ptr<HandlerFixture> f;

    static QString path(const QString &name) { return HandlerFixture::folder() + name; }

    void openDocument(const QString &name)
    {
        QVERIFY(writeBytes(path(name), "text"));
        QVERIFY(f->handler.openDocument(path(name)));
    }

private slots:
    void init()
    {
        IsolatedEnvironment::current()->reset();
        f = std::make_unique<HandlerFixture>();
    }
    void cleanup() { f.reset(); }

    void labelCaptionReachesAssistiveTechnology()
    {
        openDocument("story.txt");
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(f->lblFile);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), "story.txt");
    }

    void menuItemsInOrder()
    {
        QCOMPARE(menuLayout(f->handler.mnuFile()),
                 (QStringList{"&New", "&Open...", "&Save", "Save &As...", "-", "&Close File",
                              "&Export File...", "&Reload File", "-", "Open Containing &Folder"}));
    }

    void rightClickPopsUpMenuForTheCurrentState()
    {
        openDocument("a.txt");
        f->type("x");
        f->handler.lblFileMouseUp(Qt::RightButton, kMenuPoint);
        FileMenu *menu = f->handler.mnuFile();
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->pos(), kMenuPoint);
        QCOMPARE(enabledItems(menu),
                 (QStringList{"&New", "&Open...", "&Save", "Save &As...", "&Close File",
                              "&Export File...", "&Reload File", "Open Containing &Folder"}));
        menu->hide();

        // Items enabled for the previous document do not stay enabled.
        f->messages.answers << Answer::No;
        QVERIFY(f->handler.newDocument());
        f->handler.lblFileMouseUp(Qt::RightButton, kMenuPoint);
        QCOMPARE(enabledItems(menu),
                 (QStringList{"&New", "&Open...", "Save &As...", "&Export File..."}));
        menu->hide();

        openDocument("b.txt");
        f->handler.lblFileMouseUp(Qt::RightButton, kMenuPoint);
        QCOMPARE(enabledItems(menu),
                 (QStringList{"&New", "&Open...", "Save &As...", "&Close File", "&Export File...",
                              "&Reload File", "Open Containing &Folder"}));
        menu->hide();
    }

    void leftClickAsksForRecentFiles()
    {
        QSignalSpy recent(&f->handler, &DocumentHandler::recentFilesRequested);
        f->handler.lblFileMouseUp(Qt::LeftButton, kMenuPoint);
        QCOMPARE(recent.count(), 1);
        QVERIFY(!f->handler.mnuFile()->isVisible());
        f->handler.lblFileMouseUp(Qt::MiddleButton, kMenuPoint);
        QCOMPARE(recent.count(), 1);
        QVERIFY(!f->handler.mnuFile()->isVisible());
    }

    void menuItemsRunTheirCommands_data()
    {
        QTest::addColumn<MenuItem>("item");
        QTest::addColumn<QStringList>("effects");

        QTest::newRow("New clears") << &FileMenu::mnuFNew << QStringList{"cleared"};
        QTest::newRow("Open asks for a file") << &FileMenu::mnuFOpen << QStringList{"open dialog"};
        QTest::newRow("Save writes the named file") << &FileMenu::mnuFSave << QStringList{"saved"};
        QTest::newRow("Save As asks for a name")
            << &FileMenu::mnuFSaveAs << QStringList{"save dialog"};
        QTest::newRow("Close File clears") << &FileMenu::mnuFCloseFile << QStringList{"cleared"};
        QTest::newRow("Export File asks for the export")
            << &FileMenu::mnuFExportFile << QStringList{"export"};
        QTest::newRow("Reload File opens again")
            << &FileMenu::mnuFReloadFile << QStringList{"opened"};
        QTest::newRow("Open Containing Folder") << &FileMenu::mnuFFolder << QStringList{"folder"};
    }

    void menuItemsRunTheirCommands()
    {
        QFETCH(MenuItem, item);
        QFETCH(QStringList, effects);
        openDocument("a.txt");
        QStringList seen;
        const auto record = [&seen](const char *what) {
            return [&seen, what] {
                seen << QString::fromLatin1(what);
            };
        };
        connect(&f->handler, &DocumentHandler::documentCleared, this, record("cleared"));
        connect(&f->handler, &DocumentHandler::documentOpened, this, record("opened"));
        connect(&f->handler, &DocumentHandler::documentSaved, this, record("saved"));
        connect(&f->handler, &DocumentHandler::exportRequested, this, record("export"));

        (f->handler.mnuFile()->*item)->trigger();

        if (f->dialogs.openCount > 0)
            seen << "open dialog";
        if (f->dialogs.saveCount > 0)
            seen << "save dialog";
        if (!f->opener.opened.isEmpty())
            seen << "folder";
        QCOMPARE(seen, effects);
    }

    void containingFolderOpens_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("folder");

        QTest::newRow("document's folder") << "story.txt"
                                           << "";
        QTest::newRow("dotted folder, no extension") << "v1.2/notes"
                                                     << "v1.2";
    }

    void containingFolderOpens()
    {
        QFETCH(QString, document);
        QFETCH(QString, folder);
        QVERIFY(QDir().mkpath(path(folder)));
        openDocument(document);
        f->handler.mnuFFolderClick();
        QCOMPARE(f->opener.opened, QList<QUrl>{QUrl::fromLocalFile(QDir::cleanPath(path(folder)))});
    }

    void containingFolderOfUntitledOpensNothing()
    {
        f->handler.mnuFFolderClick();
        QVERIFY(f->opener.opened.isEmpty());
    }

    void dialogTitlesJoinWithNoBreakSpace()
    {
        QCOMPARE(QtFileDialogs::openTitle(),
                 QString::fromUtf8("Select the file\u00a0you want to Open"));
        QCOMPARE(QtFileDialogs::saveTitle(), QString::fromUtf8("Calmdesk -\u00a0Save File"));
    }
};

CALMDESK_TEST_MAIN(TestFileLabelMenu)
#include "test_filelabelmenu.moc"
