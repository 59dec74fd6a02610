// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/codec/textfilecodec.h"

#include "platform/codec/textcodec.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <functional>
#include <unistd.h>

namespace calmdesk {

namespace {

const char *const kContext = "calmdesk::TextFile";

TextLoadResult refusal(LoadStatus status, const QString &errorString = QString())
{
    TextLoadResult result;
    result.status = status;
    result.errorString = errorString;
    return result;
}

// QSaveFile reports a short write (a full disk, a file size limit) as a partial count
// with no error, and would then commit the truncated file; writing on until the system
// refuses gives the real reason.
bool writeAll(QSaveFile &file, QByteArrayView bytes, QString *errorString)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            *errorString = file.errorString();
            return false;
        }
        done += written;
    }
    return true;
}

// QSaveFile syncs on commit but ignores a failure there; a disk that cannot take the
// data must fail the save before the old file is replaced. The data and what it takes
// to read it back (its size, its blocks) are enough: the time stamps of a file about to
// replace another need not wait for the disk.
bool syncToDisk(QSaveFile &file, QString *errorString)
{
    if (!file.flush()) {
        *errorString = file.errorString();
        return false;
    }
    if (::fdatasync(file.handle()) == 0 || errno == EINVAL || errno == EROFS)
        return true; // EINVAL/EROFS: a file system without sync; nothing to wait for
    *errorString = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

TextSaveResult saveFailure(const TextFileFormat &format, const QString &errorString)
{
    return TextSaveResult{false, format, errorString};
}

} // namespace

namespace {

struct FileBytes
{
    LoadStatus status = LoadStatus::Ok;
    QByteArray bytes;
    QString errorString;
};

FileBytes readFileBytes(const QString &path, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {LoadStatus::NotFound, {}, {}};
    if (!info.isFile())
        return {LoadStatus::Unreadable,
                {},
                QCoreApplication::translate(kContext, "Not a regular file")};
    // Checked before reading, so a huge file costs no memory.
    if (info.size() > maxBytes)
        return {LoadStatus::TooLarge, {}, {}};

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {
            file.exists() ? LoadStatus::Unreadable : LoadStatus::NotFound, {}, file.errorString()};
    FileBytes result;
    result.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {LoadStatus::Unreadable, {}, file.errorString()};
    // The file may have grown since it was measured.
    if (result.bytes.size() > maxBytes)
        return {LoadStatus::TooLarge, {}, {}};
    return result;
}

// Writes what `write` puts into the file atomically and synced; `write` gives the format
// it wrote, or nothing when a write failed.
TextSaveResult
writeFile(const QString &path, const TextFileFormat &requested,
          const std::function<std::optional<TextFileFormat>(const ByteSink &)> &write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return saveFailure(requested, file.errorString());
    QString error;
    const std::optional<TextFileFormat> written =
        write([&](QByteArrayView bytes) { return writeAll(file, bytes, &error); });
    if (!written || !syncToDisk(file, &error)) {
        file.cancelWriting();
        return saveFailure(requested, error);
    }
    if (!file.commit())
        return saveFailure(requested, file.errorString());
    return TextSaveResult{true, *written, QString()};
}

} // namespace

TextLoadResult loadTextFile(const QString &path, qint64 maxBytes)
{
    const FileBytes read = readFileBytes(path, maxBytes);
    if (read.status != LoadStatus::Ok)
        return refusal(read.status, read.errorString);
    return decodeText(read.bytes);
}

DocumentLoadResult loadDocumentFile(const QString &path, qint64 maxBytes)
{
    const FileBytes read = readFileBytes(path, maxBytes);
    if (read.status != LoadStatus::Ok) {
        DocumentLoadResult refused;
        refused.status = read.status;
        refused.errorString = read.errorString;
        return refused;
    }
    return decodeDocument(read.bytes);
}

TextSaveResult saveTextFile(const QString &path, const QString &canonicalText,
                            const TextFileFormat &format)
{
    const EncodedText encoded = encodeText(canonicalText, format);
    return writeFile(path, format, [&encoded](const ByteSink &sink) {
        return sink(encoded.bytes) ? std::optional<TextFileFormat>(encoded.format) : std::nullopt;
    });
}

TextSaveResult saveBytesFile(const QString &path, QByteArrayView bytes)
{
    return writeFile(path, TextFileFormat{}, [bytes](const ByteSink &sink) {
        return sink(bytes) ? std::optional<TextFileFormat>(TextFileFormat{}) : std::nullopt;
    });
}

TextSaveResult saveDocumentFile(const QString &path, const QStringList &paragraphs,
                                const std::vector<ParagraphEnd> &ends, const TextFileFormat &format)
{
    // Written a piece at a time: the encoded novel is never held in memory at once.
    return writeFile(path, format, [&](const ByteSink &sink) {
        return writeDocument(sink, paragraphs, ends, format);
    });
}

} // namespace calmdesk
