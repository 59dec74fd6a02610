// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/instance/privatefolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace calmdesk {

namespace {

constexpr QFileDevice::Permissions kOwnerOnly =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

constexpr QFileDevice::Permissions kOthersAccess =
    QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
    QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;

QString fallbackRuntimeFolder()
{
    return QDir::tempPath() + QStringLiteral("/calmdesk-runtime-") + QString::number(geteuid());
}

} // namespace

bool ensurePrivateFolder(const QString &path)
{
    if (path.isEmpty())
        return false;
    QFileInfo info(path);
    if (info.isSymLink())
        return false;
    // Created closed from the start, so nobody can slip in before the permissions are set.
    if (!info.exists() && !QDir().mkdir(path, kOwnerOnly))
        return false;
    info.refresh();
    if (info.isSymLink() || !info.isDir() || info.ownerId() != geteuid())
        return false;
    if (info.permissions() & kOthersAccess)
        return QFile::setPermissions(path, kOwnerOnly);
    return true;
}

QString privateRuntimeFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (ensurePrivateFolder(runtime))
        return runtime;
    const QString fallback = fallbackRuntimeFolder();
    return ensurePrivateFolder(fallback) ? fallback : QString();
}

} // namespace calmdesk
