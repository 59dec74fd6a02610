// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/clock.h"

#include <QString>

#include <optional>

class QDate;
class QDateTime;
class QLocale;
class QTime;

namespace calmdesk {

class TextControl;

// The two forms the date commands write: Ctrl+F5 "ddd, mmm d, yyyy" (short day and month
// names from the locale, the day without a leading zero) and F5 "m/d/yyyy".
enum class DateForm { Named, Numeric };

// The long time format in force: "HH:MM:SS" as the clock and the timed auto-save leave it,
// "HH:MM" as the paragraph-end auto-save leaves it.
enum class LongTimeForm { HoursMinutesSeconds, HoursMinutes };

QString formatDate(const QDate &date, DateForm form, const QLocale &locale);
QString formatLongTime(const QTime &time, LongTimeForm form);

// The date, a blank and the time; at exactly midnight the date alone.
QString dateTimeText(const QDateTime &now, DateForm form, LongTimeForm timeForm,
                     const QLocale &locale);

// The program's current date and time formats. A date command sets the short date format
// for every later date the program writes; whoever formats a time last sets the long time
// format.
class TimeFormats
{
public:
    // None until a date command ran: the locale's own short format is in force.
    std::optional<DateForm> shortDateForm() const { return m_shortDate; }
    void setShortDateForm(DateForm form) { m_shortDate = form; }
    // ' ' for the named form, '/' for the numeric one; none before a date command.
    std::optional<QChar> dateSeparator() const;

    LongTimeForm longTimeForm() const { return m_longTime; }
    void setLongTimeForm(LongTimeForm form) { m_longTime = form; }

    QString formatShortDate(const QDate &date, const QLocale &locale) const;
    QString formatLongTime(const QTime &time) const;

private:
    std::optional<DateForm> m_shortDate;
    // The clock runs once at start, so seconds are in force from the start.
    LongTimeForm m_longTime = LongTimeForm::HoursMinutesSeconds;
};

// F5 and Ctrl+F5: the form becomes the short date format, and the date and time replace
// the selection.
void insertDateTime(TextControl &control, DateForm form, TimeFormats &formats, const Clock &clock,
                    const QLocale &locale);

} // namespace calmdesk
