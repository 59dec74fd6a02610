// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/folders.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace calmdesk {

namespace {

constexpr QFileDevice::Permissions kOwnerOnly =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

} // namespace

bool makeFolderPath(const QString &folder)
{
    if (folder.isEmpty())
        return false;
    const QString path = QDir::cleanPath(QDir(folder).absolutePath());
    QStringList missing;
    for (QString p = path; !QFileInfo::exists(p); p = QFileInfo(p).path()) {
        missing.prepend(p);
        if (QFileInfo(p).path() == p)
            break;
    }
    for (const QString &p : std::as_const(missing)) {
        // Another process may make the same folder meanwhile: that is no failure.
        if (!QDir().mkdir(p, kOwnerOnly) && !QFileInfo(p).isDir())
            return false;
    }
    return QFileInfo(path).isDir();
}

QString withTrailingSeparator(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace calmdesk
