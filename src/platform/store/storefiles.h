// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct sqlite3;

namespace calmdesk {

// The file operations the settings store makes while it opens its database: opening it
// with SQLite, moving a damaged file aside, making its folder. The store goes through
// this class so that a test can make them fail as an unreadable, read-only or immovable
// file would, also when it runs as the superuser, whom file permissions do not bind. The
// base class does the real operations.
class StoreFiles
{
public:
    StoreFiles() = default;
    virtual ~StoreFiles();

    StoreFiles(const StoreFiles &) = delete;
    StoreFiles &operator=(const StoreFiles &) = delete;

    // sqlite3_open_v2 with `flags`: SQLite's result code. *db is set even on failure and
    // must be closed.
    virtual int openDatabase(const QString &path, int flags, sqlite3 **db);
    // Moves a file or a folder; false when it stays where it is.
    virtual bool rename(const QString &from, const QString &to);
    virtual bool remove(const QString &path);
    virtual bool exists(const QString &path);
    // Makes the folder with all its parents.
    virtual bool makeFolder(const QString &folder);

    // The real operations.
    static StoreFiles &system();
};

} // namespace calmdesk
