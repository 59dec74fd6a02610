#include "platform/codec/documentcodec.h"

#include "platform/codec/linebreaks.h"
#include "platform/codec/windows1252.h"

#include <QStringEncoder>

namespace calmdesk {

namespace {

constexpr char16_t kCr = u'\r';
constexpr char16_t kLf = u'\n';
constexpr char16_t kFrameStart = 0xFDD0;
constexpr char16_t kFrameEnd = 0xFDD1;

QStringView endSequence(ParagraphEnd end)
{
    switch (end) {
    case ParagraphEnd::None:
        break;
    case ParagraphEnd::CrLf:
        return u"\r\n";
    case ParagraphEnd::Lf:
        return u"\n";
    case ParagraphEnd::Cr:
        return u"\r";
    case ParagraphEnd::LineSeparator:
        return u"\u2028";
    case ParagraphEnd::ParagraphSeparator:
        return u"\u2029";
    case ParagraphEnd::FrameStart:
        return u"\uFDD0";
    case ParagraphEnd::FrameEnd:
        return u"\uFDD1";
    }
    return {};
}

// The end of the paragraph before position i, and how many characters it takes; None
// when the character there ends no paragraph.
ParagraphEnd endAt(QStringView text, qsizetype i, qsizetype *length)
{
    *length = 1;
    switch (text[i].unicode()) {
    case kCr:
        if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) {
            *length = 2;
            return ParagraphEnd::CrLf;
        }
        return ParagraphEnd::Cr;
    case kLf:
        return ParagraphEnd::Lf;
    case QChar::LineSeparator:
        return ParagraphEnd::LineSeparator;
    case QChar::ParagraphSeparator:
        return ParagraphEnd::ParagraphSeparator;
    case kFrameStart:
        return ParagraphEnd::FrameStart;
    case kFrameEnd:
        return ParagraphEnd::FrameEnd;
    default:
        return ParagraphEnd::None;
    }
}

QByteArray encodeUtf8(const QStringList &paragraphs, const std::vector<QStringView> &ends,
                      bool withBom)
{
    QStringEncoder encoder(QStringConverter::Utf8);
    qsizetype characters = 0;
    for (const QString &p : paragraphs)
        characters += p.size() + 1;
    // Room for the worst case, trimmed at the end: one pass, no reallocation.
    QByteArray bytes(encoder.requiredSpace(characters) + 3, Qt::Uninitialized);
    char *out = bytes.data();
    if (withBom) {
        for (const char c : {'\xEF', '\xBB', '\xBF'})
            *out++ = c;
    }
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        out = encoder.appendToBuffer(out, paragraphs.at(i));
        out = encoder.appendToBuffer(out, ends[std::size_t(i)]);
    }
    bytes.truncate(out - bytes.constData());
    return bytes;
}

std::optional<QByteArray> encodeWindows1252(const QStringList &paragraphs,
                                            const std::vector<QStringView> &ends)
{
    qsizetype characters = 0;
    for (qsizetype i = 0; i < paragraphs.size(); ++i)
        characters += paragraphs.at(i).size() + ends[std::size_t(i)].size();
    QByteArray bytes(characters, Qt::Uninitialized);
    char *out = bytes.data();
    const auto put = [&out](QStringView text) {
        for (const QChar c : text) {
            const std::optional<char> byte = windows1252Byte(c.unicode());
            if (!byte)
                return false;
            *out++ = *byte;
        }
        return true;
    };
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        if (!put(paragraphs.at(i)) || !put(ends[std::size_t(i)]))
            return std::nullopt;
    }
    return bytes;
}

} // namespace

ParagraphEnd paragraphEndOf(LineBreak lineBreak)
{
    switch (lineBreak) {
    case LineBreak::CrLf:
        return ParagraphEnd::CrLf;
    case LineBreak::Lf:
        return ParagraphEnd::Lf;
    case LineBreak::Cr:
        return ParagraphEnd::Cr;
    }
    return ParagraphEnd::Lf;
}

DocumentLoadResult decodeDocument(const QByteArray &bytes)
{
    DocumentLoadResult result;
    QString text;
    const TextLoadResult decoded = decodeCharacters(bytes, &text);
    result.status = decoded.status;
    if (decoded.status != LoadStatus::Ok)
        return result;
    result.document.format = decoded.format;

    QStringList &paragraphs = result.document.paragraphs;
    std::vector<ParagraphEnd> &ends = result.document.ends;
    paragraphs.clear();
    ends.clear();
    LineBreakCounts counts;
    qsizetype start = 0;
    const QStringView view(text);
    for (qsizetype i = 0; i < view.size(); ++i) {
        qsizetype length = 0;
        const ParagraphEnd end = endAt(view, i, &length);
        if (end == ParagraphEnd::None)
            continue;
        paragraphs.append(view.sliced(start, i - start).toString());
        ends.push_back(end);
        counts.crLf += end == ParagraphEnd::CrLf ? 1 : 0;
        counts.lf += end == ParagraphEnd::Lf ? 1 : 0;
        counts.cr += end == ParagraphEnd::Cr ? 1 : 0;
        i += length - 1;
        start = i + 1;
    }
    paragraphs.append(view.sliced(start).toString());
    ends.push_back(ParagraphEnd::None);
    result.document.format.lineBreak =
        dominantLineBreak(counts).value_or(TextFileFormat().lineBreak);
    return result;
}

EncodedText encodeDocument(const QStringList &paragraphs, const std::vector<ParagraphEnd> &ends,
                           const TextFileFormat &format)
{
    const QStringView ownBreak = endSequence(paragraphEndOf(format.lineBreak));
    std::vector<QStringView> sequences(std::size_t(paragraphs.size()), ownBreak);
    for (std::size_t i = 0; i < sequences.size() && i < ends.size(); ++i) {
        if (ends[i] != ParagraphEnd::None)
            sequences[i] = endSequence(ends[i]);
    }
    if (!sequences.empty())
        sequences.back() = QStringView();

    EncodedText result{QByteArray(), format};
    switch (format.encoding) {
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom:
        result.bytes = encodeUtf8(paragraphs, sequences, format.encoding == TextEncoding::Utf8Bom);
        break;
    case TextEncoding::Windows1252:
        if (std::optional<QByteArray> bytes = encodeWindows1252(paragraphs, sequences)) {
            result.bytes = std::move(*bytes);
        } else {
            result.format.encoding = TextEncoding::Utf8;
            result.bytes = encodeUtf8(paragraphs, sequences, false);
        }
        break;
    }
    return result;
}

} // namespace calmdesk
