// SPDX-License-Identifier: GPL-3.0-or-later
#include "aids/spelling/soundcode.h"

#include "core/asciitext.h"

#include <algorithm>
#include <array>

namespace calmdesk {

namespace {

constexpr int kDigits = 3;

QChar upperAscii(QChar c)
{
    return isAsciiLower(c) ? QChar(c.unicode() - 'a' + 'A') : c;
}

char16_t digitOf(QChar upper)
{
    switch (upper.unicode()) {
    case 'B':
    case 'F':
    case 'P':
    case 'V':
        return u'1';
    case 'C':
    case 'G':
    case 'J':
    case 'K':
    case 'Q':
    case 'S':
    case 'X':
    case 'Z':
        return u'2';
    case 'D':
    case 'T':
        return u'3';
    case 'L':
        return u'4';
    case 'M':
    case 'N':
        return u'5';
    case 'R':
        return u'6';
    default:
        return 0;
    }
}

constexpr int kKeyLength = 1 + kDigits;
constexpr int kBitsPerCharacter = 16;

// The key's characters; an empty word has only the three digits.
struct KeyCharacters
{
    std::array<char16_t, kKeyLength> chars{};
    qsizetype length = 0;

    QStringView view() const { return QStringView(chars.data(), length); }
};

KeyCharacters keyCharacters(QStringView word)
{
    if (word.isEmpty())
        return KeyCharacters{{u'0', u'0', u'0', 0}, kDigits};
    const QChar first = upperAscii(word.front());
    KeyCharacters key{{first.unicode(), u'0', u'0', u'0'}, kKeyLength};
    int placed = 0;
    for (qsizetype i = 1; i < word.size() && placed < kDigits; ++i) {
        const QChar c = upperAscii(word[i]);
        if (c == first)
            continue;
        if (const char16_t digit = digitOf(c))
            key.chars[std::size_t(1 + placed++)] = digit;
    }
    return key;
}

} // namespace

QString soundCode(QStringView word)
{
    return keyCharacters(word).view().toString();
}

quint64 packedKey(QStringView key)
{
    if (key.size() > kKeyLength)
        return 0;
    quint64 packed = 0;
    for (qsizetype i = 0; i < key.size(); ++i)
        packed |= quint64(key[i].unicode()) << (kBitsPerCharacter * i);
    return packed;
}

quint64 soundKey(QStringView word)
{
    const KeyCharacters characters = keyCharacters(word);
    QStringView key = characters.view();
    // Only the first character can be one that trimming removes; the digits never are.
    if (isTrimmable(key.front()))
        key = key.sliced(1);
    return packedKey(key);
}

int commonPrefixLength(QStringView a, QStringView b, int limit)
{
    const int most = int(std::min({qsizetype(std::max(limit, 0)), a.size(), b.size()}));
    int n = 0;
    while (n < most && a[n] == b[n])
        ++n;
    return n;
}

} // namespace calmdesk
