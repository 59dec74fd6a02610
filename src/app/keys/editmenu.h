// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenu>

class QClipboard;

namespace calmdesk {

class TextControl;

// The text's context menu `mnuEdit`. The spelling items and their separator `mnuBar0` are
// hidden until the menu opens on a misspelt word; suggestion items go in above `mnuBari`.
class EditMenu : public QMenu
{
    Q_OBJECT

public:
    explicit EditMenu(QWidget *parent = nullptr);

    // Undo, the plain-text clipboard commands, Delete and Select All on `text`.
    void bindTextCommands(TextControl *text, QClipboard *clipboard);

    // The spelling items with their separator.
    void setSpellingItemsVisible(bool visible);

    QAction *const mnuBari;
    QAction *const mnuIgnore;
    QAction *const mnuAddToDict;
    QAction *const mnuBar0;
    QAction *const mnuUndo;
    QAction *const mnuAC;
    QAction *const mnuBar1;
    QAction *const mnuCut;
    QAction *const mnuCopy;
    QAction *const mnuPaste;
    QAction *const mnuDelete;
    QAction *const mnuBar2;
    QAction *const mnuSelectAll;
    QAction *const mnuBar3;
    QAction *const mnuRefs;
    QAction *const mnuBar4;
    QAction *const mnuSaveRestore;
    QAction *const mnuRestore;
};

// A spelling suggestion chosen from the menu: the word at [start, start + length) loses its
// mark and becomes the item's caption without its "&" characters; the caret ends after it.
// Nothing happens for a range that is not one (negative start, empty).
void replaceWithSuggestion(TextControl &text, int start, int length, const QString &caption);

} // namespace calmdesk
