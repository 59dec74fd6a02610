// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace calmdesk {

// The program's character rules are ASCII-only: letter case and character classes never
// depend on the locale, and trimming removes the codes 0 to 32 at both ends.

inline bool isTrimmable(QChar c)
{
    return c.unicode() <= 32;
}

// The text without leading and trailing characters of codes 0 to 32.
QString trimmed(const QString &text);

inline bool isAsciiDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}
inline bool isAsciiUpper(QChar c)
{
    return c.unicode() >= 'A' && c.unicode() <= 'Z';
}
inline bool isAsciiLower(QChar c)
{
    return c.unicode() >= 'a' && c.unicode() <= 'z';
}
inline bool isAsciiLetter(QChar c)
{
    return isAsciiUpper(c) || isAsciiLower(c);
}
inline bool isAsciiLetterOrDigit(QChar c)
{
    return isAsciiLetter(c) || isAsciiDigit(c);
}

// A to Z become a to z; every other character stays as it is.
inline QChar asciiLower(QChar c)
{
    return isAsciiUpper(c) ? QChar(c.unicode() + ('a' - 'A')) : c;
}
QString asciiLower(const QString &text);
// a to z become A to Z; every other character stays as it is.
QString asciiUpper(const QString &text);

} // namespace calmdesk
