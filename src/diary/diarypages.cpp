// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/diarypages.h"

#include "core/folders.h"

#include <QFileInfo>

namespace calmdesk {

namespace {

constexpr int kLastDayOfAnyMonth = 31;

// The name of the day `day` of `month` in `year`, even where that day does not exist in
// that month of that year (a file may still carry such a name).
QString pageName(int day, int month, int year)
{
    return QStringLiteral("%1-%2-%3.txt")
        .arg(day, 2, 10, QLatin1Char('0'))
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(year, 4, 10, QLatin1Char('0'));
}

} // namespace

QString diaryPageName(const QDate &day)
{
    return pageName(day.day(), day.month(), day.year());
}

QString diaryPagePath(const QString &folder, const QDate &day)
{
    return withTrailingSeparator(folder) + diaryPageName(day);
}

QList<int> diaryPageDays(const QString &folder, int month, int year)
{
    const QString prefix = withTrailingSeparator(folder);
    QList<int> days;
    for (int day = 1; day <= kLastDayOfAnyMonth; ++day) {
        if (QFileInfo::exists(prefix + pageName(day, month, year)))
            days.append(day);
    }
    return days;
}

QList<QDate> diaryPageDatesAround(const QString &folder, const QDate &shown, int lookupYear)
{
    const QDate first(shown.year(), shown.month(), 1);
    QList<QDate> dates;
    for (int offset : {-1, 0, 1}) {
        const QDate month = first.addMonths(offset);
        for (int day : diaryPageDays(folder, month.month(), lookupYear)) {
            // The 31st of a 30-day month has no place on the calendar.
            const QDate date(month.year(), month.month(), day);
            if (date.isValid())
                dates.append(date);
        }
    }
    return dates;
}

} // namespace calmdesk
