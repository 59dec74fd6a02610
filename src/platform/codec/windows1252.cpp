// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/codec/windows1252.h"

#include <array>

namespace calmdesk {

namespace {

// Bytes 0x80-0x9F; all others are the Latin-1 character of the same value.
constexpr char16_t kFirstSpecialByte = 0x80;
constexpr char16_t kLastSpecialByte = 0x9F;
constexpr char16_t kLastLatin1 = 0xFF;

constexpr std::array<char16_t, kLastSpecialByte - kFirstSpecialByte + 1> kSpecialBytes = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

bool isSpecialByte(char16_t value)
{
    return value >= kFirstSpecialByte && value <= kLastSpecialByte;
}

} // namespace

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    decodeWindows1252(bytes, reinterpret_cast<char16_t *>(text.data()));
    return text;
}

void decodeWindows1252(QByteArrayView bytes, char16_t *out)
{
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        *out++ = isSpecialByte(value) ? kSpecialBytes[value - kFirstSpecialByte] : value;
    }
}

std::optional<char> windows1252Byte(char16_t ch)
{
    if (ch <= kLastLatin1 && (!isSpecialByte(ch) || kSpecialBytes[ch - kFirstSpecialByte] == ch))
        return static_cast<char>(ch);
    // Few characters land here in real text, so a scan of the 32 slots is enough.
    for (std::size_t i = 0; i < kSpecialBytes.size(); ++i) {
        if (kSpecialBytes[i] == ch)
            return static_cast<char>(kFirstSpecialByte + i);
    }
    return std::nullopt;
}

std::optional<QByteArray> encodeWindows1252(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (const QChar ch : text) {
        const std::optional<char> byte = windows1252Byte(ch.unicode());
        if (!byte)
            return std::nullopt;
        *out++ = *byte;
    }
    return bytes;
}

} // namespace calmdesk
