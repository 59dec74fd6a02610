// SPDX-License-Identifier: GPL-3.0-or-later
#include "aids/spelling/soundcode.h"

#include "core/asciitext.h"

#include <algorithm>

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

} // namespace

QString soundCode(QStringView word)
{
    if (word.isEmpty())
        return QStringLiteral("000");
    const QChar first = upperAscii(word.front());
    QString key = QString(first) + QStringLiteral("000");
    int placed = 0;
    for (qsizetype i = 1; i < word.size() && placed < kDigits; ++i) {
        const QChar c = upperAscii(word[i]);
        if (c == first)
            continue;
        if (const char16_t digit = digitOf(c))
            key[1 + placed++] = QChar(digit);
    }
    return key;
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
