// SPDX-License-Identifier: GPL-3.0-or-later
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

// Bytes go out a piece at a time through a buffer of this size, reused for the whole
// document: a novel is never held twice over, and no fresh memory is touched per save.
constexpr qsizetype kPiece = 64 * 1024;

bool holdsInWindows1252(const QStringList &paragraphs, const std::vector<QStringView> &ends)
{
    const auto holds = [](QStringView text) {
        for (const QChar c : text) {
            if (c.unicode() >= 0x80 && !windows1252Byte(c.unicode()))
                return false;
        }
        return true;
    };
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        if (!holds(paragraphs.at(i)) || !holds(ends[std::size_t(i)]))
            return false;
    }
    return true;
}

// Fills a buffer with encoded text and hands it to the sink whenever it is nearly full.
class PieceWriter
{
public:
    PieceWriter(TextEncoding encoding, const ByteSink &sink)
        : m_encoding(encoding)
        , m_sink(sink)
        , m_buffer(kPiece, Qt::Uninitialized)
    {}

    bool put(QStringView text)
    {
        // A text longer than a piece goes in pieces of its own.
        while (text.size() > kPiece / 4) {
            if (!put(text.first(kPiece / 4)))
                return false;
            text = text.sliced(kPiece / 4);
        }
        if (m_used + maxBytes(text.size()) > m_buffer.size() && !flush())
            return false;
        char *out = m_buffer.data() + m_used;
        if (m_encoding == TextEncoding::Windows1252) {
            for (const QChar c : text)
                *out++ = c.unicode() < 0x80 ? char(c.unicode()) : *windows1252Byte(c.unicode());
        } else {
            out = m_utf8.appendToBuffer(out, text);
        }
        m_used = out - m_buffer.constData();
        return true;
    }

    bool putBytes(QByteArrayView bytes)
    {
        if (m_used + bytes.size() > m_buffer.size() && !flush())
            return false;
        std::copy(bytes.begin(), bytes.end(), m_buffer.data() + m_used);
        m_used += bytes.size();
        return true;
    }

    bool flush()
    {
        const bool ok = m_used == 0 || m_sink(QByteArrayView(m_buffer.constData(), m_used));
        m_used = 0;
        return ok;
    }

private:
    qsizetype maxBytes(qsizetype characters) const
    {
        return m_encoding == TextEncoding::Windows1252 ? characters
                                                       : m_utf8.requiredSpace(characters);
    }

    TextEncoding m_encoding;
    const ByteSink &m_sink;
    QByteArray m_buffer;
    qsizetype m_used = 0;
    // A surrogate pair split between two pieces of a long text stays whole.
    QStringEncoder m_utf8{QStringConverter::Utf8};
};

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

std::optional<TextFileFormat> writeDocument(const ByteSink &sink, const QStringList &paragraphs,
                                            const std::vector<ParagraphEnd> &ends,
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

    TextFileFormat written = format;
    if (format.encoding == TextEncoding::Windows1252 && !holdsInWindows1252(paragraphs, sequences))
        written.encoding = TextEncoding::Utf8;

    PieceWriter writer(written.encoding, sink);
    if (written.encoding == TextEncoding::Utf8Bom && !writer.putBytes("\xEF\xBB\xBF"))
        return std::nullopt;
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        if (!writer.put(paragraphs.at(i)) || !writer.put(sequences[std::size_t(i)]))
            return std::nullopt;
    }
    if (!writer.flush())
        return std::nullopt;
    return written;
}

EncodedText encodeDocument(const QStringList &paragraphs, const std::vector<ParagraphEnd> &ends,
                           const TextFileFormat &format)
{
    EncodedText result{QByteArray(), format};
    const auto append = [&result](QByteArrayView bytes) {
        result.bytes.append(bytes);
        return true;
    };
    result.format = *writeDocument(append, paragraphs, ends, format);
    return result;
}

} // namespace calmdesk
