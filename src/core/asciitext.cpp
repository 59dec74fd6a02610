// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/asciitext.h"

namespace calmdesk {

QString trimmed(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isTrimmable(text.at(begin)))
        ++begin;
    while (end > begin && isTrimmable(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

QString asciiLower(const QString &text)
{
    QString result = text;
    for (QChar &c : result)
        c = asciiLower(c);
    return result;
}

QString asciiUpper(const QString &text)
{
    QString result = text;
    for (QChar &c : result) {
        if (isAsciiLower(c))
            c = QChar(c.unicode() - ('a' - 'A'));
    }
    return result;
}

} // namespace calmdesk
