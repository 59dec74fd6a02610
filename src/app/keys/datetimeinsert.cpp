// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/keys/datetimeinsert.h"

#include "platform/text/textcontrol.h"

#include <QDateTime>
#include <QLocale>

namespace calmdesk {

QString formatDate(const QDate &date, DateForm form, const QLocale &locale)
{
    switch (form) {
    case DateForm::Named:
        return QStringLiteral("%1, %2 %3, %4")
            .arg(locale.dayName(date.dayOfWeek(), QLocale::ShortFormat),
                 locale.monthName(date.month(), QLocale::ShortFormat), QString::number(date.day()),
                 QString::number(date.year()));
    case DateForm::Numeric:
        return QStringLiteral("%1/%2/%3")
            .arg(QString::number(date.month()), QString::number(date.day()),
                 QString::number(date.year()));
    }
    return QString();
}

QString formatLongTime(const QTime &time, LongTimeForm form)
{
    switch (form) {
    case LongTimeForm::HoursMinutesSeconds:
        return time.toString(QStringLiteral("hh:mm:ss"));
    case LongTimeForm::HoursMinutes:
        return time.toString(QStringLiteral("hh:mm"));
    }
    return QString();
}

QString dateTimeText(const QDateTime &now, DateForm form, LongTimeForm timeForm,
                     const QLocale &locale)
{
    const QString date = formatDate(now.date(), form, locale);
    // A date-time value with no time of day at all is written as its date.
    if (now.time() == QTime(0, 0))
        return date;
    return date + QLatin1Char(' ') + formatLongTime(now.time(), timeForm);
}

std::optional<QChar> TimeFormats::dateSeparator() const
{
    if (!m_shortDate)
        return std::nullopt;
    return *m_shortDate == DateForm::Named ? QLatin1Char(' ') : QLatin1Char('/');
}

QString TimeFormats::formatShortDate(const QDate &date, const QLocale &locale) const
{
    if (!m_shortDate)
        return locale.toString(date, QLocale::ShortFormat);
    return formatDate(date, *m_shortDate, locale);
}

QString TimeFormats::formatLongTime(const QTime &time) const
{
    return calmdesk::formatLongTime(time, m_longTime);
}

void insertDateTime(TextControl &control, DateForm form, TimeFormats &formats, const Clock &clock,
                    const QLocale &locale)
{
    formats.setShortDateForm(form);
    control.replaceSelection(dateTimeText(clock(), form, formats.longTimeForm(), locale));
}

} // namespace calmdesk
