// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace calmdesk {

// What identifies a file's contents on disk without reading it: a write by another
// program changes the size or the modification time, and a replacement (a sync client's
// or an editor's atomic save) brings a new file in its place.
struct FileStamp
{
    bool exists = false;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;

    // The file `path` names (through a symbolic link); an absent file when it has none.
    static FileStamp of(const QString &path);

    friend bool operator==(const FileStamp &, const FileStamp &) = default;
};

} // namespace calmdesk
