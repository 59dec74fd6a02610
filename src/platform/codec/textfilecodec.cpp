#include "platform/codec/textfilecodec.h"

#include "platform/codec/textcodec.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
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
bool writeAll(QSaveFile &file, const QByteArray &bytes, QString *errorString)
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
// data must fail the save before the old file is replaced.
bool syncToDisk(QSaveFile &file, QString *errorString)
{
    if (!file.flush()) {
        *errorString = file.errorString();
        return false;
    }
    if (::fsync(file.handle()) == 0 || errno == EINVAL || errno == EROFS)
        return true; // EINVAL/EROFS: a file system without sync; nothing to wait for
    *errorString = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

TextSaveResult saveFailure(const TextFileFormat &format, const QString &errorString)
{
    return TextSaveResult{false, format, errorString};
}

} // namespace

TextLoadResult loadTextFile(const QString &path, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (!info.exists())
        return refusal(LoadStatus::NotFound);
    if (!info.isFile())
        return refusal(LoadStatus::Unreadable,
                       QCoreApplication::translate(kContext, "Not a regular file"));
    // Checked before reading, so a huge file costs no memory.
    if (info.size() > maxBytes)
        return refusal(LoadStatus::TooLarge);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refusal(file.exists() ? LoadStatus::Unreadable : LoadStatus::NotFound,
                       file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return refusal(LoadStatus::Unreadable, file.errorString());
    // The file may have grown since it was measured.
    if (bytes.size() > maxBytes)
        return refusal(LoadStatus::TooLarge);
    return decodeText(bytes);
}

TextSaveResult saveTextFile(const QString &path, const QString &canonicalText,
                            const TextFileFormat &format)
{
    const EncodedText encoded = encodeText(canonicalText, format);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return saveFailure(format, file.errorString());
    QString error;
    if (!writeAll(file, encoded.bytes, &error) || !syncToDisk(file, &error)) {
        file.cancelWriting();
        return saveFailure(format, error);
    }
    if (!file.commit())
        return saveFailure(format, file.errorString());
    return TextSaveResult{true, encoded.format, QString()};
}

} // namespace calmdesk
