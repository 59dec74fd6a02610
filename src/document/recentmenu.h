// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/recentfiles.h"

#include <QList>
#include <QMenu>

namespace calmdesk {

// The recent-files menu `mnuRecent`: "&Open...", the recent files numbered from 1 (or
// "(no recent files)"), "&Save", "Save &As..." and "E&xit". It only holds the items;
// whoever owns it connects the fixed ones and recentFileChosen().
class RecentMenu : public QMenu
{
    Q_OBJECT

public:
    explicit RecentMenu(QWidget *parent = nullptr);

    // Replaces the recent items with `entries`, given in menu order.
    void showEntries(const QList<RecentEntry> &entries);

    QAction *const mnuROpen;
    QAction *const mnuNoMru;
    QAction *const mnuRSave;
    QAction *const mnuRSaveAs;
    QAction *const mnuRExit;

signals:
    // A recent item was chosen: the slot it stands for.
    void recentFileChosen(int slot);

private:
    QList<QAction *> m_recentItems;
};

} // namespace calmdesk
