// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/support/benchprose.h"

#include <QRandomGenerator>
#include <QStringList>

namespace calmdesk::bench {

namespace {

constexpr int kShortestParagraph = 5;
constexpr int kLongestParagraph = 250;
constexpr int kLongestWord = 10;
constexpr quint32 kSeed = 1007;

} // namespace

QString generateProse(int words)
{
    QRandomGenerator random(kSeed);
    const QStringList extras = {QStringLiteral(","), QStringLiteral("'s"), QStringLiteral(";"),
                                QStringLiteral("-like"), QString(QChar(0xE9))};
    QString text;
    int written = 0;
    while (written < words) {
        const int paragraph =
            kShortestParagraph + int(random.bounded(kLongestParagraph - kShortestParagraph + 1));
        for (int i = 0; i < paragraph && written < words; ++i, ++written) {
            const int length = 1 + int(random.bounded(kLongestWord));
            for (int k = 0; k < length; ++k)
                text.append(QChar(u'a' + random.bounded(26)));
            if (random.bounded(8) == 0)
                text.append(extras.at(random.bounded(int(extras.size()))));
            text.append(i + 1 < paragraph ? QChar(u' ') : QChar(u'.'));
        }
        if (written < words)
            text.append(random.bounded(4) == 0 ? QStringLiteral("\r\n\r\n")
                                               : QStringLiteral("\r\n"));
    }
    return text;
}

} // namespace calmdesk::bench
