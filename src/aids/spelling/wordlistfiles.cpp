// SPDX-License-Identifier: GPL-3.0-or-later
#include "aids/spelling/wordlistfiles.h"

#include "core/asciitext.h"
#include "core/folders.h"
#include "platform/codec/windows1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QVarLengthArray>

namespace calmdesk::wordlistfiles {

namespace {

constexpr quint8 kLastTrimmedByte = 32;
// Lines up to this long are decoded without allocating.
constexpr qsizetype kShortLine = 256;

} // namespace

QStringList dictionaryCandidates()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString name = QLatin1String(kDictionaryName);
    // The installed data folder, as seen from the installed program's folder.
    const QString installed = QDir::cleanPath(programFolder + QLatin1Char('/') +
                                              QLatin1String(CALMDESK_DATA_FROM_PROGRAM));
    return {programFolder + QLatin1Char('/') + name, installed + QLatin1Char('/') + name};
}

QString findDictionary(const QStringList &candidates)
{
    for (const QString &path : candidates) {
        if (QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

QString userWordFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/calmdesk/added-words.dct");
}

void readWords(QByteArrayView bytes, const std::function<void(QStringView)> &word,
               const std::function<bool(qsizetype)> &progress)
{
    // One buffer for every line: a word costs no string of its own.
    QVarLengthArray<char16_t, kShortLine> line;
    qsizetype start = 0;
    const qsizetype size = bytes.size();
    while (start < size) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = size;
        // Bytes 0 to 32 are the characters trimming removes, so the line is trimmed before it
        // is decoded.
        qsizetype first = start;
        qsizetype last = end;
        while (first < last && quint8(bytes[first]) <= kLastTrimmedByte)
            ++first;
        while (last > first && quint8(bytes[last - 1]) <= kLastTrimmedByte)
            --last;
        line.resize(last - first);
        decodeWindows1252(bytes.sliced(first, last - first), line.data());
        word(QStringView(line.data(), line.size()));
        start = end + 1;
        if (!progress(std::min(start, size)))
            return;
    }
}

bool appendWord(const QString &path, const QString &word)
{
    const std::optional<QByteArray> encoded = encodeWindows1252(word);
    if (!encoded || !makeFolderPath(QFileInfo(path).absolutePath()))
        return false;
    QByteArray content;
    QFile existing(path);
    if (existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly))
            return false;
        content = existing.readAll();
        existing.close();
        // A list whose last line has no break gets one, so the new word has a line of its own.
        if (!content.isEmpty() && !content.endsWith('\n'))
            content += "\r\n";
    }
    content += *encoded + "\r\n";
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(content);
    return file.commit();
}

} // namespace calmdesk::wordlistfiles
