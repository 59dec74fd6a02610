// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/lookupwords.h"

#include "core/asciitext.h"
#include "goals/textroutines.h"
#include "reference/lookuppage.h"

#include <functional>

namespace calmdesk {

namespace {

// The characters from the last separator at or before the caret up to the next separator
// after it, both included (positions from 1, as the look-ups count them).
QString around(const QString &text, int caret, const std::function<bool(QChar)> &separates)
{
    const int length = int(text.size());
    const auto at = [&](int i) {
        return text.at(i - 1);
    };
    int start = 1;
    for (int i = std::min(caret, length); i >= 1; --i) {
        if (separates(at(i))) {
            start = i;
            break;
        }
    }
    int end = length;
    for (int j = start + 1; j <= length; ++j) {
        if (separates(at(j))) {
            end = j;
            break;
        }
    }
    return length == 0 ? QString() : text.mid(start - 1, end - start + 1);
}

} // namespace

QString lookupWordAt(const QString &text, int caret)
{
    const QString word = around(text, caret, [](QChar c) { return !isAlphaNumeric(c); });
    return trimmed(keepAlphaNumeric(trimmed(word)));
}

QString lookupWordFor(const QString &selected, const std::function<QString()> &wholeText, int caret)
{
    const QString word = trimmed(keepAlphaNumeric(selected));
    return word.isEmpty() ? lookupWordAt(wholeText(), caret) : word;
}

QString addressAt(const QString &text, int caret)
{
    const QString token = trimmed(around(text, caret, [](QChar c) {
        return c == QLatin1Char(' ') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
    }));
    return asciiLower(token.left(7)) == QStringLiteral("http://") ? token : QString();
}

QString topicAt(const QString &text, int caret)
{
    const QString breakText = QStringLiteral("\r\n");
    const qsizetype start = text.lastIndexOf(breakText, std::max(0, caret - 1));
    const qsizetype from = start < 0 ? 0 : start + breakText.size();
    const qsizetype end = text.indexOf(breakText, from);
    const QString line = text.mid(from, end < 0 ? -1 : end - from);
    const QString prefix = topicLinkPrefix();
    if (caret < from || !asciiLower(line).startsWith(prefix))
        return QString();
    return trimmed(line.mid(prefix.size()));
}

QList<std::pair<int, int>> addressSpans(const QString &line)
{
    if (asciiLower(line).startsWith(topicLinkPrefix()))
        return {{0, int(line.size())}};
    QList<std::pair<int, int>> spans;
    int start = 0;
    while (start < line.size()) {
        int end = int(line.indexOf(QLatin1Char(' '), start));
        if (end < 0)
            end = int(line.size());
        if (asciiLower(line.mid(start, 7)) == QStringLiteral("http://"))
            spans.append({start, end - start});
        start = end + 1;
    }
    return spans;
}

} // namespace calmdesk
