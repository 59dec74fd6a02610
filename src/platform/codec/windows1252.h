// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace calmdesk {

// Windows-1252, with every byte mapped: the five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 controls of the same value, so any
// byte sequence decodes and encodes back unchanged.
QString decodeWindows1252(QByteArrayView bytes);
// The same into `out`, which has room for bytes.size() characters.
void decodeWindows1252(QByteArrayView bytes, char16_t *out);

// The byte for one character, or nothing when Windows-1252 cannot hold it.
std::optional<char> windows1252Byte(char16_t ch);

// The whole text as Windows-1252, or nothing when any character cannot be held.
std::optional<QByteArray> encodeWindows1252(QStringView text);

} // namespace calmdesk
