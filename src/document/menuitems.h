// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QMenu>

namespace calmdesk {

// Appends a separator, then an item with `caption` below it.
inline QAction *addItemAfterSeparator(QMenu *menu, const QString &caption)
{
    menu->addSeparator();
    return menu->addAction(caption);
}

} // namespace calmdesk
