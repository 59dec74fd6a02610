// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/codec/textcodec.h"
#include "platform/codec/textfiletypes.h"

#include <QByteArrayView>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace calmdesk {

// What ended a paragraph in a document's file. Every paragraph but the last is ended by
// one; a paragraph written since the file was read ends with the file's line break.
enum class ParagraphEnd : quint8 {
    None, // the last paragraph, or one ended by the file's own line break
    CrLf,
    Lf,
    Cr,
    LineSeparator,      // U+2028
    ParagraphSeparator, // U+2029
    FrameStart,         // U+FDD0 and U+FDD1: Qt's text document ends a paragraph at both
    FrameEnd,
};

ParagraphEnd paragraphEndOf(LineBreak lineBreak);

// A document as paragraphs with what ended each, so that what was read is written back
// byte for byte: mixed line breaks, Unicode separators and a missing last break stay as
// they were. (The rest of the program sees every one of them as a CR LF break.)
struct DocumentText
{
    QStringList paragraphs{QString()};
    std::vector<ParagraphEnd> ends{ParagraphEnd::None};
    TextFileFormat format;
};

struct DocumentLoadResult
{
    LoadStatus status = LoadStatus::Ok;
    DocumentText document;
    QString errorString;
};

// A file's bytes as a document, by the rules of decodeText.
DocumentLoadResult decodeDocument(const QByteArray &bytes);

// Takes a piece of the encoded text; false when it could not be written.
using ByteSink = std::function<bool(QByteArrayView)>;

// The paragraphs joined by their ends (`ends` may be shorter; None and missing ends are
// the format's line break, and nothing follows the last paragraph), in the format's
// encoding, or UTF-8 when that cannot hold the text, handed to `sink` a piece at a time.
// Returns the format written, or nothing when the sink refused a piece.
std::optional<TextFileFormat> writeDocument(const ByteSink &sink, const QStringList &paragraphs,
                                            const std::vector<ParagraphEnd> &ends,
                                            const TextFileFormat &format);
// The same, as one array of bytes.
EncodedText encodeDocument(const QStringList &paragraphs, const std::vector<ParagraphEnd> &ends,
                           const TextFileFormat &format);

} // namespace calmdesk
