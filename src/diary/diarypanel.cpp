// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/diarypanel.h"

#include "diary/diarypages.h"

#include <QCalendarWidget>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTextCharFormat>
#include <QToolButton>

namespace calmdesk {

namespace {

const QColor kPanelColour(24, 30, 36);
const QColor kLinkColour(125, 190, 255);
const QColor kTextColour(192, 192, 192);
const QColor kTitleColour(255, 255, 255);
constexpr int kCloseIconSize = 12;
constexpr int kMargin = 6;
constexpr int kLinkPadding = 2;

// A link of the panel: light blue under a hand cursor. Enter and Space follow it when it
// has the keyboard, and it is underlined then, so the writer sees where the keyboard is.
class DiaryLink : public QPushButton
{
public:
    DiaryLink(const char *name, const QString &caption, QWidget *parent)
        : QPushButton(caption, parent)
    {
        setObjectName(QLatin1String(name));
        setFlat(true);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::StrongFocus);
        QPalette colours = palette();
        colours.setColor(QPalette::ButtonText, kLinkColour);
        setPalette(colours);
    }

    // As wide as its text, so it lines up after its bullet like a word, not a button.
    QSize sizeHint() const override
    {
        return {fontMetrics().horizontalAdvance(text()) + 2 * kLinkPadding,
                QPushButton::sizeHint().height()};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
    void focusInEvent(QFocusEvent *event) override
    {
        underline(true);
        QPushButton::focusInEvent(event);
    }
    void focusOutEvent(QFocusEvent *event) override
    {
        underline(false);
        QPushButton::focusOutEvent(event);
    }

private:
    void underline(bool on)
    {
        QFont look = font();
        look.setUnderline(on);
        setFont(look);
    }
};

QLabel *panelText(const QString &text, const QColor &colour, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
    return label;
}

// "Selected: " and the date as its page is named, without ".txt".
QString selectedCaption(const QDate &day)
{
    return DiaryPanel::tr("Selected: %1").arg(diaryPageName(day).chopped(4));
}

} // namespace

DiaryPanel::DiaryPanel(QWidget *parent)
    : QWidget(parent)
    , Label1(panelText(tr("Diary Editor"), kTitleColour, this))
    , Image2(new QToolButton(this))
    , lblToday(new DiaryLink("lblToday", tr("Today"), this))
    , lblYesterday(new DiaryLink("lblYesterday", tr("Yesterday"), this))
    , lbl2Days(new DiaryLink("lbl2Days", tr("Two Days Ago"), this))
    , lblSelDate(new DiaryLink("lblSelDate", QString(), this))
    , lblClose(new DiaryLink("lblClose", tr("Close"), this))
    , MonthCalendar1(new QCalendarWidget(this))
    , Label3(
          panelText(tr("Double-click a date from the calendar to open a page."), kTextColour, this))
{
    setObjectName(QStringLiteral("pctDiary"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label3->setObjectName(QStringLiteral("Label3"));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kPanelColour);
    setPalette(colours);
    setAutoFillBackground(true);

    // The same close image as the writing tools' panel.
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setToolTip(tr("Close panel"));
    Image2->setAccessibleName(Image2->toolTip());
    Image2->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    Image2->setIconSize(QSize(kCloseIconSize, kCloseIconSize));
    Image2->setAutoRaise(true);
    Image2->setCursor(Qt::PointingHandCursor);

    MonthCalendar1->setObjectName(QStringLiteral("MonthCalendar1"));
    MonthCalendar1->setAccessibleName(tr("Calendar"));
    // The calendar keeps the desktop's light colours inside the dark panel.
    MonthCalendar1->setPalette(QGuiApplication::palette());
    MonthCalendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(Image2, 0, 2, Qt::AlignRight | Qt::AlignTop);
    int row = 1;
    for (QPushButton *link : {lblToday, lblYesterday, lbl2Days, lblSelDate}) {
        grid->addWidget(panelText(QStringLiteral("• "), kLinkColour, this), row, 0);
        grid->addWidget(link, row++, 1, Qt::AlignLeft);
    }
    grid->setRowStretch(row++, 1);
    grid->addWidget(lblClose, row, 1, Qt::AlignLeft);
    grid->addWidget(MonthCalendar1, 1, 2, row, 1);
    grid->addWidget(Label3, row + 1, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    showSelectedDate();
    resize(sizeHint().expandedTo(QSize(kWidth, kHeight)));

    connect(lblToday, &QPushButton::clicked, this, [this] { emit daysAgoChosen(0); });
    connect(lblYesterday, &QPushButton::clicked, this, [this] { emit daysAgoChosen(1); });
    connect(lbl2Days, &QPushButton::clicked, this, [this] { emit daysAgoChosen(2); });
    connect(lblSelDate, &QPushButton::clicked, this, &DiaryPanel::selectedDayChosen);
    connect(MonthCalendar1, &QCalendarWidget::activated, this, &DiaryPanel::selectedDayChosen);
    connect(lblClose, &QPushButton::clicked, this, &DiaryPanel::closeDocumentChosen);
    connect(Image2, &QToolButton::clicked, this, &DiaryPanel::hideRequested);
    connect(MonthCalendar1, &QCalendarWidget::selectionChanged, this,
            &DiaryPanel::showSelectedDate);
    connect(MonthCalendar1, &QCalendarWidget::currentPageChanged, this, &DiaryPanel::followPage);
}

QDate DiaryPanel::selectedDate() const
{
    return MonthCalendar1->selectedDate();
}

void DiaryPanel::selectDate(const QDate &day)
{
    MonthCalendar1->setSelectedDate(day);
    showSelectedDate();
}

QDate DiaryPanel::shownMonth() const
{
    return QDate(MonthCalendar1->yearShown(), MonthCalendar1->monthShown(), 1);
}

void DiaryPanel::showPageDates(const QList<QDate> &dates)
{
    MonthCalendar1->setDateTextFormat(QDate(), QTextCharFormat());
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (const QDate &date : dates)
        MonthCalendar1->setDateTextFormat(date, bold);
}

void DiaryPanel::focusFirstLink()
{
    lblToday->setFocus(Qt::OtherFocusReason);
}

void DiaryPanel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        emit hideRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}

void DiaryPanel::followPage(int year, int month)
{
    // Turning the page takes the selection along, to the same day or the month's last,
    // so the month on show is the selected date's and its bold days are its own year's.
    const QDate selected = selectedDate();
    if (selected.year() != year || selected.month() != month) {
        const QDate first(year, month, 1);
        MonthCalendar1->setSelectedDate(
            first.addDays(qMin(selected.day(), first.daysInMonth()) - 1));
    }
    emit shownMonthChanged();
}

void DiaryPanel::showSelectedDate()
{
    lblSelDate->setText(selectedCaption(selectedDate()));
}

} // namespace calmdesk
