// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/codec/textcodec.h"

#include "platform/codec/linebreaks.h"
#include "platform/codec/utf8validation.h"
#include "platform/codec/windows1252.h"

#include <QStringDecoder>

namespace calmdesk {

namespace {

constexpr char kNul = '\0';

QByteArrayView utf8Bom()
{
    return QByteArrayView("\xEF\xBB\xBF");
}

// Qt's own UTF-8 decoding drops a leading U+FEFF; a second BOM after ours is text
// and has to stay, or the file would lose bytes on the next save.
QString decodeUtf8KeepingBom(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

} // namespace

TextLoadResult decodeCharacters(const QByteArray &bytes, QString *characters)
{
    TextLoadResult result;
    if (bytes.contains(kNul)) {
        result.status = LoadStatus::HasNulBytes;
        return result;
    }
    const bool hasBom = bytes.startsWith(utf8Bom());
    const QByteArrayView body = hasBom ? QByteArrayView(bytes).sliced(utf8Bom().size()) : bytes;
    if (isValidUtf8(body)) {
        result.format.encoding = hasBom ? TextEncoding::Utf8Bom : TextEncoding::Utf8;
        *characters = decodeUtf8KeepingBom(body);
    } else {
        result.format.encoding = TextEncoding::Windows1252;
        *characters = decodeWindows1252(bytes);
    }
    return result;
}

TextLoadResult decodeText(const QByteArray &bytes)
{
    QString text;
    TextLoadResult result = decodeCharacters(bytes, &text);
    if (result.status != LoadStatus::Ok)
        return result;
    const LineBreakCounts counts = countLineBreaks(text);
    result.format.lineBreak = dominantLineBreak(counts).value_or(TextFileFormat().lineBreak);
    result.text = withLineBreaks(text, LineBreak::CrLf, counts);
    return result;
}

EncodedText encodeText(const QString &canonicalText, const TextFileFormat &format)
{
    EncodedText result{QByteArray(), format};
    const QString text = withLineBreaks(canonicalText, format.lineBreak);
    switch (format.encoding) {
    case TextEncoding::Utf8:
        result.bytes = text.toUtf8();
        break;
    case TextEncoding::Utf8Bom:
        result.bytes = utf8Bom().toByteArray() + text.toUtf8();
        break;
    case TextEncoding::Windows1252:
        if (std::optional<QByteArray> bytes = encodeWindows1252(text)) {
            result.bytes = std::move(*bytes);
        } else {
            result.format.encoding = TextEncoding::Utf8;
            result.bytes = text.toUtf8();
        }
        break;
    }
    return result;
}

} // namespace calmdesk
