// SPDX-License-Identifier: GPL-3.0-or-later
#include "goals/textroutines.h"

#include "core/asciitext.h"

#include <algorithm>

namespace calmdesk {

int countOccurrences(const QString &pattern, const QString &text)
{
    if (pattern.isEmpty() || text.isEmpty())
        return 0;
    int count = 0;
    qsizetype from = 0;
    while ((from = text.indexOf(pattern, from)) >= 0) {
        ++count;
        from += pattern.size();
    }
    return count;
}

QStringList splitString(const QString &delimiter, const QString &text, int partLimit)
{
    QStringList parts;
    qsizetype restStart = 0;
    while (restStart < text.size()) {
        const bool mayCut = partLimit == 0 || parts.size() + 1 < partLimit;
        // An empty delimiter is never found: the whole rest is one part.
        const qsizetype at = delimiter.isEmpty() ? -1 : text.indexOf(delimiter, restStart);
        if (at >= 0 && mayCut) {
            parts.append(text.mid(restStart, at - restStart));
            restStart = at + delimiter.size();
        } else {
            parts.append(text.mid(restStart));
            restStart = text.size();
        }
    }
    return parts;
}

bool isAlphaNumeric(QChar c)
{
    return isAsciiLetter(c) || isAsciiDigit(c);
}

bool isDigitChar(QChar c)
{
    return isAsciiDigit(c);
}

bool isAllDigits(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), isAsciiDigit);
}

QString keepAlphaNumeric(const QString &text)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (isAlphaNumeric(c) || c == QLatin1Char(' '))
            kept.append(c);
    }
    return kept;
}

} // namespace calmdesk
