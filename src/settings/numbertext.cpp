// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/numbertext.h"

#include "core/asciitext.h"

namespace calmdesk {

int leadingNumber(const QString &text, int fallback)
{
    const QString t = trimmed(text);
    const auto isRunChar = [](QChar c) {
        return isAsciiDigit(c) || c == QLatin1Char('.');
    };
    if (t.isEmpty() || !isRunChar(t.front()))
        return 0;
    qsizetype end = 1;
    while (end < t.size() && isRunChar(t.at(end)))
        ++end;
    const QString run = t.left(end);
    if (run.contains(QLatin1Char('.')))
        return fallback;
    bool ok = false;
    const int value = run.toInt(&ok);
    return ok ? value : fallback;
}

QString shortenMiddle(const QString &text, int n)
{
    if (text.size() <= n)
        return text;
    const int head = n / 2 - 2;
    const int tail = n / 2 - 1;
    return text.left(qMax(head, 0)) + QStringLiteral("...") + text.right(qMax(tail, 0));
}

} // namespace calmdesk
