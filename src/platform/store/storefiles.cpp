// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/store/storefiles.h"

#include "core/folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace calmdesk {

StoreFiles::~StoreFiles() = default;

int StoreFiles::openDatabase(const QString &path, int flags, sqlite3 **db)
{
    return sqlite3_open_v2(QFile::encodeName(path).constData(), db, flags, nullptr);
}

bool StoreFiles::rename(const QString &from, const QString &to)
{
    return QDir().rename(from, to);
}

bool StoreFiles::remove(const QString &path)
{
    return QFile::remove(path);
}

bool StoreFiles::exists(const QString &path)
{
    return QFileInfo::exists(path);
}

bool StoreFiles::makeFolder(const QString &folder)
{
    return makeFolderPath(folder);
}

StoreFiles &StoreFiles::system()
{
    static StoreFiles files;
    return files;
}

} // namespace calmdesk
