// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/documentfiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace calmdesk {

namespace {
constexpr QChar kSeparator = QLatin1Char('/');
}

QString companionPath(const QString &documentPath, const QString &suffix)
{
    const qsizetype nameStart = documentPath.lastIndexOf(kSeparator) + 1;
    const qsizetype dot = documentPath.lastIndexOf(QLatin1Char('.'));
    if (dot >= nameStart)
        return documentPath.left(dot) + suffix;
    return documentPath + suffix;
}

QString scratchpadCompanion(const QString &documentPath)
{
    return companionPath(documentPath, QStringLiteral("-Scratchpad.rtf"));
}

QString referencesCompanion(const QString &documentPath)
{
    return companionPath(documentPath, QStringLiteral("-References.txt"));
}

QString fileNameOf(const QString &path)
{
    return path.mid(path.lastIndexOf(kSeparator) + 1);
}

QString findNewestFile(const QString &folder, const QString &mask)
{
    const QDir dir(folder);
    // Unsorted: the folder's own order decides between files of equal time.
    const QFileInfoList files =
        dir.entryInfoList({mask}, QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    QString newest;
    QDateTime newestTime;
    for (const QFileInfo &info : files) {
        const QDateTime time = info.lastModified();
        if (!time.isValid())
            continue;
        if (newest.isEmpty() || time > newestTime) {
            newest = info.fileName();
            newestTime = time;
        }
    }
    return newest.isEmpty() ? QString() : folder + newest;
}

bool createFileIfMissing(const QString &path)
{
    if (QFileInfo::exists(path))
        return true;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return QFileInfo::exists(path);
    file.close();
    return true;
}

} // namespace calmdesk
