// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/webhistory.h"

#include "core/asciitext.h"

#include <algorithm>

namespace calmdesk {

bool addToHistory(QStringList &entries, const QString &address)
{
    const QString entry = asciiLower(trimmed(address));
    if (entry.size() <= 5)
        return false;
    // Local files and other schemes stay out of the list.
    if (!entry.startsWith(QStringLiteral("http:/")) && !entry.startsWith(QStringLiteral("https:")))
        return false;
    if (entries.contains(entry))
        return false;
    entries.append(entry);
    return true;
}

QString urlHost(const QString &address)
{
    QString host = trimmed(address);
    const int slashes = host.indexOf(QStringLiteral("//"));
    if (slashes >= 0)
        host = trimmed(host.mid(slashes + 2));
    int leading = 0;
    while (leading < host.size() && host.at(leading) == QLatin1Char('/'))
        ++leading;
    host.remove(0, leading);
    const int slash = host.indexOf(QLatin1Char('/'));
    if (slash >= 0)
        host.truncate(slash);
    return trimmed(host);
}

void removeEntriesOf(QStringList &entries, const QString &host)
{
    if (host.isEmpty())
        return;
    entries.removeIf([&host](const QString &entry) { return entry.contains(host); });
}

void removeContainingDuplicates(QStringList &entries)
{
    // Start over after each deletion: the indices have moved.
    bool changed = true;
    while (changed) {
        changed = false;
        for (qsizetype i = 0; i < entries.size() && !changed; ++i) {
            const QString contained = trimmed(entries.at(i));
            if (contained.isEmpty())
                continue;
            for (qsizetype j = 0; j < entries.size(); ++j) {
                if (j != i && entries.at(j).contains(contained)) {
                    entries.removeAt(j);
                    changed = true;
                    break;
                }
            }
        }
    }
}

bool addHttpPrefix(QString &entry)
{
    if (entry.startsWith(QStringLiteral("http")) || entry.contains(QStringLiteral("://")))
        return false;
    entry.prepend(QStringLiteral("http://"));
    return true;
}

void sortHistory(QStringList &entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
}

} // namespace calmdesk
