// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/codec/documentcodec.h"
#include "platform/codec/textfiletypes.h"

#include <QByteArrayView>

namespace calmdesk {

// The largest file the editor opens. The text control holds two bytes per character and
// more for layout, so a bigger file would exhaust memory long before it became usable.
inline constexpr qint64 kMaxTextFileBytes = qint64(256) * 1024 * 1024;

// Reads a document (or a plain-text companion file) as the program's text; see
// decodeText for the format rules. A refused file is never touched.
TextLoadResult loadTextFile(const QString &path, qint64 maxBytes = kMaxTextFileBytes);

// Writes the text atomically: the bytes go to a temporary file in the same folder, are
// flushed to disk, and only then replace the old file, whose permissions the new one
// keeps. A symbolic link is written through: its target is replaced, the link stays.
// On failure the old file is left exactly as it was.
TextSaveResult saveTextFile(const QString &path, const QString &canonicalText,
                            const TextFileFormat &format);

// Bytes written as they are (an export), with the same atomic, synced write; `written`
// says nothing.
TextSaveResult saveBytesFile(const QString &path, QByteArrayView bytes);

// A document, read and written with what ended each paragraph (see DocumentText), with
// the same refusals and the same atomic, synced write.
DocumentLoadResult loadDocumentFile(const QString &path, qint64 maxBytes = kMaxTextFileBytes);
TextSaveResult saveDocumentFile(const QString &path, const QStringList &paragraphs,
                                const std::vector<ParagraphEnd> &ends,
                                const TextFileFormat &format);

} // namespace calmdesk
