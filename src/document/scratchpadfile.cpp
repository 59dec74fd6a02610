// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/scratchpadfile.h"

#include "core/folders.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace calmdesk {

std::optional<QByteArray> readScratchpadFile(const QString &path)
{
    if (!QFileInfo::exists(path))
        return QByteArray();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

bool writeScratchpadFile(const QString &path, const QByteArray &rtf, bool blank,
                         bool removeWhenBlank)
{
    if (blank && removeWhenBlank)
        return !QFileInfo::exists(path) || QFile::remove(path);
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(rtf) == rtf.size() && file.commit();
}

QString globalScratchpadPath(const QString &diaryDir)
{
    return withTrailingSeparator(diaryDir) + QStringLiteral("Scratchpad.rtf");
}

} // namespace calmdesk
