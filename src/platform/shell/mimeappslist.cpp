// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/shell/mimeappslist.h"

#include <QList>
#include <QStringView>

#include <optional>

namespace calmdesk::mimeapps {

namespace {

constexpr QChar kNewline = u'\n';
constexpr QChar kListSeparator = u';';

QString defaultsHeader()
{
    return QStringLiteral("[Default Applications]");
}

bool isGroupHeader(const QString &line)
{
    return line.trimmed().startsWith(QLatin1Char('['));
}

// The value of `line` when it is an entry for `key`.
std::optional<QString> valueFor(const QString &line, const QString &key)
{
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(QLatin1Char('#')))
        return std::nullopt;
    const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
    if (equals <= 0 || QStringView(trimmed).first(equals).trimmed() != key)
        return std::nullopt;
    return trimmed.mid(equals + 1).trimmed();
}

QStringList splitList(const QString &value)
{
    QStringList entries;
    for (const QString &entry : value.split(kListSeparator)) {
        const QString trimmed = entry.trimmed();
        if (!trimmed.isEmpty())
            entries << trimmed;
    }
    return entries;
}

// Index range [first, end) of the lines after the first [Default Applications] header.
struct GroupRange
{
    qsizetype header = -1;
    qsizetype end = -1;
};

GroupRange findDefaultsGroup(const QStringList &lines)
{
    GroupRange range;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (range.header < 0) {
            if (lines.at(i).trimmed() == defaultsHeader())
                range.header = i;
        } else if (isGroupHeader(lines.at(i))) {
            range.end = i;
            return range;
        }
    }
    if (range.header >= 0)
        range.end = lines.size();
    return range;
}

} // namespace

QStringList defaultApplications(const QString &contents, const QString &mimeType)
{
    const QStringList lines = contents.split(kNewline);
    const GroupRange group = findDefaultsGroup(lines);
    for (qsizetype i = group.header + 1; group.header >= 0 && i < group.end; ++i) {
        if (const auto value = valueFor(lines.at(i), mimeType))
            return splitList(*value);
    }
    return {};
}

QString withDefaultApplication(const QString &contents, const QString &mimeType,
                               const QString &desktopId)
{
    QStringList lines = contents.split(kNewline);
    const GroupRange group = findDefaultsGroup(lines);

    if (group.header < 0) {
        // split() leaves one empty last line when the text ends in a line break.
        const bool endsInBreak = contents.isEmpty() || contents.endsWith(kNewline);
        QString updated = contents;
        if (!endsInBreak)
            updated += kNewline;
        const bool needsBlankLine = lines.size() > 1 && !lines.at(lines.size() - 2).isEmpty();
        if (!contents.isEmpty() && (needsBlankLine || !endsInBreak))
            updated += kNewline;
        return updated + defaultsHeader() + kNewline + mimeType + QLatin1Char('=') + desktopId +
               kListSeparator + kNewline;
    }

    QList<qsizetype> matches;
    qsizetype lastContent = group.header;
    for (qsizetype i = group.header + 1; i < group.end; ++i) {
        if (valueFor(lines.at(i), mimeType))
            matches << i;
        if (!lines.at(i).trimmed().isEmpty())
            lastContent = i;
    }

    const QString key = mimeType + QLatin1Char('=');
    if (matches.isEmpty()) {
        // After the group's last entry, before any blank lines that part it from the next.
        lines.insert(lastContent + 1, key + desktopId + kListSeparator);
        return lines.join(kNewline);
    }

    QStringList entries{desktopId};
    for (const QString &entry : splitList(*valueFor(lines.at(matches.first()), mimeType))) {
        if (!entries.contains(entry))
            entries << entry;
    }
    lines[matches.first()] = key + entries.join(kListSeparator) + kListSeparator;
    // The first entry is the one that counts; later duplicates would only confuse readers.
    for (qsizetype m = matches.size() - 1; m > 0; --m)
        lines.removeAt(matches.at(m));
    return lines.join(kNewline);
}

} // namespace calmdesk::mimeapps
