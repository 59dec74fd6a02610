// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct sqlite3;

namespace calmdesk {

class StoreFiles;

// The connection the settings store works on, and how it came about.
struct StoreDatabase
{
    sqlite3 *connection = nullptr;
    // Where a damaged file was moved; empty when nothing was moved.
    QString setAsidePath;
    // The file could not be used: the settings live in memory for this run only.
    bool inMemory = false;
    // The file can be read but not written.
    bool readOnly = false;
};

// Opens (creating when missing) the settings database at path. A file that SQLite finds
// damaged, or that holds no settings store, is moved aside and replaced by an empty one.
// A file that cannot be read (no permission, an I/O error) is left as it is; then, as
// whenever no file can be used, the result is an in-memory database. Never fails.
StoreDatabase openStoreDatabase(const QString &path, StoreFiles &files);

} // namespace calmdesk
