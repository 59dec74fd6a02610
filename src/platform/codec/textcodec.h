// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/codec/textfiletypes.h"

#include <QByteArray>

namespace calmdesk {

struct EncodedText
{
    QByteArray bytes;
    TextFileFormat format; // as written: UTF-8 when Windows-1252 could not hold the text
};

// A file's bytes as the program's text (breaks CR LF) and the format they were in:
// UTF-8, with or without BOM, when the bytes are valid UTF-8, else Windows-1252; the
// dominant line-break convention, LF when there is none. Bytes holding NUL are refused
// (status HasNulBytes, no text).
TextLoadResult decodeText(const QByteArray &bytes);

// The characters of the bytes, breaks as they are, and the encoding they were in (the
// result's text stays empty; its line break is not looked at).
TextLoadResult decodeCharacters(const QByteArray &bytes, QString *characters);

// The program's text (any break, CR LF or a lone CR or LF, counts as one) as the bytes
// of the given format. Text Windows-1252 cannot hold is written as UTF-8 instead, so
// nothing typed is ever lost; the result says which format was used.
EncodedText encodeText(const QString &canonicalText, const TextFileFormat &format);

} // namespace calmdesk
