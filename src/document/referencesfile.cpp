// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/referencesfile.h"

#include "document/documentfiles.h"
#include "platform/codec/textfilecodec.h"

#include <QFile>
#include <QFileInfo>

namespace calmdesk {

namespace {
const QString kLineBreak = QStringLiteral("\r\n");
}

QStringList referencesFromText(const QString &canonicalText)
{
    if (canonicalText.isEmpty())
        return {};
    QStringList entries = canonicalText.split(kLineBreak);
    if (entries.constLast().isEmpty())
        entries.removeLast();
    return entries;
}

QString referencesToText(const QStringList &entries)
{
    QString text;
    for (const QString &entry : entries)
        text += entry + kLineBreak;
    return text;
}

ReferencesRead readReferences(const QString &documentPath)
{
    ReferencesRead read;
    const QString path = referencesCompanion(documentPath);
    if (!QFileInfo::exists(path))
        return read;
    const TextLoadResult loaded = loadTextFile(path);
    if (loaded.status != LoadStatus::Ok) {
        read.ok = false;
        return read;
    }
    read.entries = referencesFromText(loaded.text);
    read.format = loaded.format;
    return read;
}

TextSaveResult writeReferences(const QString &documentPath, const QStringList &entries,
                               const TextFileFormat &format)
{
    const QString path = referencesCompanion(documentPath);
    if (!entries.isEmpty())
        return saveTextFile(path, referencesToText(entries), format);
    if (QFileInfo(path).isFile())
        QFile::remove(path);
    return TextSaveResult{true, format, QString()};
}

} // namespace calmdesk
