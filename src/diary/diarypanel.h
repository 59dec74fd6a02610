// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QList>
#include <QWidget>

class QCalendarWidget;
class QLabel;
class QPushButton;
class QToolButton;

namespace calmdesk {

// The "Diary Editor" panel (pctDiary): links to today's, yesterday's and the day before
// yesterday's page, a month calendar whose days with a page are bold, a link to the page
// of the date selected on it, and "Close", which closes the current document. It only
// shows and reports; opening pages is the Diary's.
class DiaryPanel : public QWidget
{
    Q_OBJECT

public:
    // Its size unless its contents need more in the desktop's fonts.
    static constexpr int kWidth = 345;
    static constexpr int kHeight = 209;

    explicit DiaryPanel(QWidget *parent = nullptr);

    QDate selectedDate() const;
    // Selects `day` on the calendar, turning to its month, and names it in the
    // "Selected: " link.
    void selectDate(const QDate &day);
    // The first day of the month the calendar shows.
    QDate shownMonth() const;
    // Exactly these dates show bold.
    void showPageDates(const QList<QDate> &dates);
    // The keyboard goes to the first link.
    void focusFirstLink();

signals:
    // "Today" (0), "Yesterday" (1), "Two Days Ago" (2).
    void daysAgoChosen(int days);
    // The "Selected: " link, or a double-click (or Enter) on a date of the calendar.
    void selectedDayChosen();
    // "Close".
    void closeDocumentChosen();
    // The close image, or Escape.
    void hideRequested();
    // The calendar turned to another month: its bold days are due again.
    void shownMonthChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void followPage(int year, int month);
    void showSelectedDate();

    QLabel *Label1;
    QToolButton *Image2;
    QPushButton *lblToday;
    QPushButton *lblYesterday;
    QPushButton *lbl2Days;
    QPushButton *lblSelDate;
    QPushButton *lblClose;
    QCalendarWidget *MonthCalendar1;
    QLabel *Label3;
};

} // namespace calmdesk
