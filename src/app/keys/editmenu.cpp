// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/keys/editmenu.h"

#include "app/keys/plainclipboard.h"
#include "platform/text/textcontrol.h"

namespace calmdesk {

EditMenu::EditMenu(QWidget *parent)
    : QMenu(parent)
    , mnuBari(addSeparator())
    , mnuIgnore(addAction(tr("I&gnore")))
    , mnuAddToDict(addAction(tr("Add To &Dictionary")))
    , mnuBar0(addSeparator())
    , mnuUndo(addAction(tr("&Undo")))
    , mnuAC(addAction(tr("Undo &Auto-Correct")))
    , mnuBar1(addSeparator())
    , mnuCut(addAction(tr("Cu&t")))
    , mnuCopy(addAction(tr("&Copy")))
    , mnuPaste(addAction(tr("&Paste")))
    , mnuDelete(addAction(tr("&Delete")))
    , mnuBar2(addSeparator())
    , mnuSelectAll(addAction(tr("&Select All")))
    , mnuBar3(addSeparator())
    , mnuRefs(addAction(tr("Searc&h References...")))
    , mnuBar4(addSeparator())
    , mnuSaveRestore(addAction(tr("Create Restore &Point")))
    , mnuRestore(addAction(tr("&Restore Last Backup")))
{
    setObjectName(QStringLiteral("mnuEdit"));
    const auto name = [](QAction *action, const char *objectName) {
        action->setObjectName(QLatin1String(objectName));
    };
    name(mnuBari, "mnuBari");
    name(mnuIgnore, "mnuIgnore");
    name(mnuAddToDict, "mnuAddToDict");
    name(mnuBar0, "mnuBar0");
    name(mnuUndo, "mnuUndo");
    name(mnuAC, "mnuAC");
    name(mnuBar1, "mnuBar1");
    name(mnuCut, "mnuCut");
    name(mnuCopy, "mnuCopy");
    name(mnuPaste, "mnuPaste");
    name(mnuDelete, "mnuDelete");
    name(mnuBar2, "mnuBar2");
    name(mnuSelectAll, "mnuSelectAll");
    name(mnuBar3, "mnuBar3");
    name(mnuRefs, "mnuRefs");
    name(mnuBar4, "mnuBar4");
    name(mnuSaveRestore, "mnuSaveRestore");
    name(mnuRestore, "mnuRestore");
    setSpellingItemsVisible(false);
    // Enabled once an auto-correction happened.
    mnuAC->setEnabled(false);
}

void EditMenu::setSpellingItemsVisible(bool visible)
{
    mnuIgnore->setVisible(visible);
    mnuAddToDict->setVisible(visible);
    mnuBar0->setVisible(visible);
}

void EditMenu::bindTextCommands(TextControl *text, QClipboard *clipboard)
{
    connect(mnuUndo, &QAction::triggered, text, &TextControl::undo);
    connect(mnuCut, &QAction::triggered, text,
            [text, clipboard] { cutPlainText(*text, *clipboard); });
    connect(mnuCopy, &QAction::triggered, text,
            [text, clipboard] { copyPlainText(*text, *clipboard); });
    connect(mnuPaste, &QAction::triggered, text,
            [text, clipboard] { pastePlainText(*text, *clipboard); });
    connect(mnuDelete, &QAction::triggered, text, [text] { text->replaceSelection(QString()); });
    connect(mnuSelectAll, &QAction::triggered, text, &TextControl::selectAllText);
}

void replaceWithSuggestion(TextControl &text, int start, int length, const QString &caption)
{
    if (start < 0 || length < 1)
        return;
    text.select(start, length);
    text.clearMarks(start, length, MarkKind::SpellingError);
    QString word = caption;
    word.remove(QLatin1Char('&'));
    text.replaceSelection(word);
    text.setCaret(start + word.size());
}

} // namespace calmdesk
