// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/recentmenu.h"

#include "document/menuitems.h"

namespace calmdesk {

namespace {

QAction *disabled(QAction *action)
{
    action->setEnabled(false);
    return action;
}

} // namespace

RecentMenu::RecentMenu(QWidget *parent)
    : QMenu(parent)
    // The members are declared in menu order, so each item is appended in its place.
    , mnuROpen(addAction(tr("&Open...")))
    , mnuNoMru(disabled(addItemAfterSeparator(this, tr("(no recent files)"))))
    , mnuRSave(addItemAfterSeparator(this, tr("&Save")))
    , mnuRSaveAs(addAction(tr("Save &As...")))
    , mnuRExit(addItemAfterSeparator(this, tr("E&xit")))
{
    setObjectName(QStringLiteral("mnuRecent"));
}

void RecentMenu::showEntries(const QList<RecentEntry> &entries)
{
    // An item may be the one being chosen right now: it goes once its signal is done.
    for (QAction *item : std::as_const(m_recentItems)) {
        removeAction(item);
        item->deleteLater();
    }
    m_recentItems.clear();
    int number = 0;
    for (const RecentEntry &entry : entries) {
        auto *item = new QAction(recentItemCaption(++number, entry.fileName), this);
        connect(item, &QAction::triggered, this,
                [this, slot = entry.slot] { emit recentFileChosen(slot); });
        // After "&Open..." and its separator, above the place of "(no recent files)".
        insertAction(mnuNoMru, item);
        m_recentItems << item;
    }
    mnuNoMru->setVisible(entries.isEmpty());
}

} // namespace calmdesk
