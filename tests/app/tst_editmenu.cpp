// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/keys/editmenu.h"
#include "platform/text/textcontrol.h"
#include "testmain.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

using namespace calmdesk;

namespace {

// Each action as the writer sees it: "-" for a separator, the caption otherwise.
QStringList shownItems(const QMenu &menu)
{
    QStringList items;
    for (const QAction *action : menu.actions()) {
        if (action->isVisible())
            items.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return items;
}

} // namespace

class TestEditMenu : public QObject
{
    Q_OBJECT

private slots:
    void itemsInOrderWithSeparators()
    {
        EditMenu menu;
        QStringList names;
        QStringList separators;
        for (const QAction *action : menu.actions()) {
            names.append(action->objectName());
            if (action->isSeparator())
                separators.append(action->objectName());
        }
        QCOMPARE(names, (QStringList{"mnuBari", "mnuIgnore", "mnuAddToDict", "mnuBar0", "mnuUndo",
                                     "mnuAC", "mnuBar1", "mnuCut", "mnuCopy", "mnuPaste",
                                     "mnuDelete", "mnuBar2", "mnuSelectAll", "mnuBar3", "mnuRefs",
                                     "mnuBar4", "mnuSaveRestore", "mnuRestore"}));
        QCOMPARE(separators,
                 (QStringList{"mnuBari", "mnuBar0", "mnuBar1", "mnuBar2", "mnuBar3", "mnuBar4"}));
        QCOMPARE(menu.objectName(), QStringLiteral("mnuEdit"));
    }

    void captionsAsTheWriterSeesThem()
    {
        EditMenu menu;
        const QStringList expected{"-",
                                   "&Undo",
                                   "Undo &Auto-Correct",
                                   "-",
                                   "Cu&t",
                                   "&Copy",
                                   "&Paste",
                                   "&Delete",
                                   "-",
                                   "&Select All",
                                   "-",
                                   "Searc&h References...",
                                   "-",
                                   "Create Restore &Point",
                                   "&Restore Last Backup"};
        QCOMPARE(shownItems(menu), expected);
    }

    void spellingItemsShowTogether()
    {
        EditMenu menu;
        menu.setSpellingItemsVisible(true);
        const QStringList top = shownItems(menu).mid(0, 5);
        QCOMPARE(top, (QStringList{"-", "I&gnore", "Add To &Dictionary", "-", "&Undo"}));
        menu.setSpellingItemsVisible(false);
        QVERIFY(!menu.mnuIgnore->isVisible());
        QVERIFY(!menu.mnuAddToDict->isVisible());
        QVERIFY(!menu.mnuBar0->isVisible());
    }

    void undoAutoCorrectStartsDisabled()
    {
        EditMenu menu;
        QVERIFY(!menu.mnuAC->isEnabled());
        QVERIFY(menu.mnuUndo->isEnabled());
        QVERIFY(menu.mnuPaste->isEnabled());
    }

    void textCommandsActOnTheText()
    {
        TextControl text;
        EditMenu menu;
        QClipboard *clipboard = QGuiApplication::clipboard();
        menu.bindTextCommands(&text, clipboard);
        text.setText(QStringLiteral("alpha beta"));

        text.select(0, 6);
        menu.mnuCut->trigger();
        QCOMPARE(text.text(), QStringLiteral("beta"));
        QCOMPARE(clipboard->text(), QStringLiteral("alpha "));

        text.setCaret(4);
        menu.mnuPaste->trigger();
        QCOMPARE(text.text(), QStringLiteral("betaalpha "));

        menu.mnuSelectAll->trigger();
        QCOMPARE(text.selectedText(), QStringLiteral("betaalpha "));
        menu.mnuCopy->trigger();
        QCOMPARE(clipboard->text(), QStringLiteral("betaalpha "));

        text.select(4, 5);
        menu.mnuDelete->trigger();
        QCOMPARE(text.text(), QStringLiteral("beta "));

        menu.mnuUndo->trigger();
        QCOMPARE(text.text(), QStringLiteral("betaalpha "));
    }

    void suggestionReplacesTheWord()
    {
        TextControl text;
        text.setText(QStringLiteral("see thier\r\nend"));
        text.addMark(4, 5, MarkKind::SpellingError);
        text.setCaret(0);
        replaceWithSuggestion(text, 4, 5, QStringLiteral("&the&ir"));
        QCOMPARE(text.text(), QStringLiteral("see their\r\nend"));
        QCOMPARE(text.selStart(), 9);
        QCOMPARE(text.selLength(), 0);
        QVERIFY(!text.hasMark(4, MarkKind::SpellingError));
    }

    void suggestionWithoutARecordedWordDoesNothing_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::newRow("no recorded word") << -1 << 5;
        QTest::newRow("empty range") << 4 << 0;
    }

    void suggestionWithoutARecordedWordDoesNothing()
    {
        QFETCH(int, start);
        QFETCH(int, length);
        TextControl text;
        const QString original = QStringLiteral("see thier\r\nend");
        text.setText(original);
        text.addMark(4, 5, MarkKind::SpellingError);
        replaceWithSuggestion(text, start, length, QStringLiteral("their"));
        QCOMPARE(text.text(), original);
        QVERIFY(text.hasMark(4, MarkKind::SpellingError));
    }
};

CALMDESK_TEST_MAIN(TestEditMenu)
#include "tst_editmenu.moc"
