// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/filestamp.h"

#include <QFile>

#include <sys/stat.h>

namespace calmdesk {

namespace {

constexpr qint64 kNsPerSecond = 1000000000;

qint64 nanoseconds(const timespec &time)
{
    return qint64(time.tv_sec) * kNsPerSecond + time.tv_nsec;
}

} // namespace

FileStamp FileStamp::of(const QString &path)
{
    FileStamp stamp;
    struct stat info = {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return stamp;
    stamp.exists = true;
    stamp.device = quint64(info.st_dev);
    stamp.inode = quint64(info.st_ino);
    stamp.size = qint64(info.st_size);
    stamp.modifiedNs = nanoseconds(info.st_mtim);
    return stamp;
}

} // namespace calmdesk
