// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/store/sqlitesettingsstore.h"

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <memory>

// Short spellings for the many literal names in store tests (implicit conversions
// from char strings are off in this project).
namespace calmdesk::test {

inline QString str(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

inline QStringList strs(std::initializer_list<const char *> items)
{
    QStringList list;
    for (const char *item : items)
        list << QString::fromUtf8(item);
    return list;
}

// The keys the store tests write under.
inline const QString kSettings = QStringLiteral("Software\\Osmira\\v11\\Settings");
inline const QString kGeneral = QStringLiteral("Software\\Osmira\\v11\\Settings\\general");

// A connection to the user's store, as another part of the program (or another process)
// would open it.
inline std::unique_ptr<SqliteSettingsStore> openUserStore()
{
    return std::make_unique<SqliteSettingsStore>(SqliteSettingsStore::defaultPath());
}

} // namespace calmdesk::test
