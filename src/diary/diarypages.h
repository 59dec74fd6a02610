// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QList>
#include <QString>

namespace calmdesk {

// The diary is a folder of plain-text pages, one a day, named after their date.

// The page of a day: DD-MM-YYYY.txt ("08-12-2026.txt").
QString diaryPageName(const QDate &day);

// The page of `day` in `folder`, which may end in a separator or not.
QString diaryPagePath(const QString &folder, const QDate &day);

// The days 1 to 31 of `month` whose page exists in `folder` when the page is named with
// `year`, in ascending order.
QList<int> diaryPageDays(const QString &folder, int month, int year);

// The dates the month calendar marks as having a page while it shows `shown`'s month:
// that month and the two beside it, whose days it shows in part. Every month's days are
// looked up with `lookupYear` (the year of the calendar's selected date), whatever year
// the calendar shows that month in.
QList<QDate> diaryPageDatesAround(const QString &folder, const QDate &shown, int lookupYear);

} // namespace calmdesk
