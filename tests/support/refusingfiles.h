// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/store/storefiles.h"

#include <sqlite3.h>

namespace calmdesk::test {

// The settings store's file operations as they go on a disk that refuses some of them
// for one file; they fail the same way whoever runs the test (file permissions do not
// bind the superuser, as whom CI runs).
class RefusingFiles : public StoreFiles
{
public:
    enum class Refusal {
        Reading, // opening the file answers `openError`
        Writing, // the file opens for reading only, as one without write permission
        Moving,  // the file cannot be renamed
    };

    RefusingFiles(const QString &path, Refusal refusal, int openError = SQLITE_CANTOPEN)
        : m_path(path)
        , m_refusal(refusal)
        , m_openError(openError)
    {}

    int openDatabase(const QString &path, int flags, sqlite3 **db) override
    {
        if (path == m_path && m_refusal == Refusal::Reading) {
            *db = nullptr;
            return m_openError;
        }
        if (path == m_path && m_refusal == Refusal::Writing)
            flags = (flags & ~(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) | SQLITE_OPEN_READONLY;
        return StoreFiles::openDatabase(path, flags, db);
    }

    bool rename(const QString &from, const QString &to) override
    {
        if (from == m_path && m_refusal == Refusal::Moving)
            return false;
        return StoreFiles::rename(from, to);
    }

private:
    QString m_path;
    Refusal m_refusal;
    int m_openError;
};

} // namespace calmdesk::test
