// SPDX-License-Identifier: GPL-3.0-or-later
#include "diary/diary.h"

#include "diary/diarypages.h"
#include "diary/diarypanel.h"
#include "document/documenthandler.h"
#include "goals/statuspanel.h"
#include "platform/text/textcontrol.h"

#include <QApplication>
#include <QMouseEvent>

namespace calmdesk {

Diary::Diary(const Parts &parts, QObject *parent)
    : QObject(parent)
    , m_parts(parts)
    , pctDiary(new DiaryPanel(parts.window))
{
    pctDiary->hide();
    pctDiary->selectDate(today());
    m_parts.window->installEventFilter(this);

    connect(pctDiary, &DiaryPanel::daysAgoChosen, this,
            [this](int days) { openPage(today().addDays(-days), Calendar::Stays); });
    connect(pctDiary, &DiaryPanel::selectedDayChosen, this,
            [this] { openPage(pctDiary->selectedDate(), Calendar::GoesToPage); });
    connect(pctDiary, &DiaryPanel::closeDocumentChosen, this, &Diary::lblCloseClick);
    connect(pctDiary, &DiaryPanel::hideRequested, this, &Diary::hidePanel);
    connect(pctDiary, &DiaryPanel::shownMonthChanged, this, &Diary::refreshBoldDays);
    connect(m_parts.pctStatus, &StatusPanel::timeLabelClicked, this, &Diary::lblTimeClick);
    connect(m_parts.pctStatus, &StatusPanel::timeLabelDoubleClicked, this, &Diary::lblTimeDblClick);
    connect(m_parts.txtMain, &TextControl::focusEntered, this, &Diary::hidePanel);
}

void Diary::setClock(Clock clock)
{
    m_parts.clock = std::move(clock);
    pctDiary->selectDate(today());
}

QDate Diary::today() const
{
    return m_parts.clock().date();
}

void Diary::lblTimeClick()
{
    m_parts.pctDict->hide();
    // Pages may have come or gone since the calendar last looked.
    refreshBoldDays();
    placePanel();
    pctDiary->show();
    pctDiary->raise();
    pctDiary->focusFirstLink();
}

void Diary::lblTimeDblClick()
{
    openPage(today(), Calendar::GoesToPage);
}

void Diary::hidePanel()
{
    if (pctDiary->isHidden())
        return;
    const bool hadKeyboard = pctDiary->isAncestorOf(QApplication::focusWidget());
    pctDiary->hide();
    if (hadKeyboard)
        m_parts.txtMain->setFocus();
}

void Diary::openPage(const QDate &day, Calendar calendar)
{
    const QString path = diaryPagePath(m_parts.diaryDir(), day);
    // Made before the save question, so the page exists whatever the writer answers. A
    // page that cannot be made has been reported, and opening it would only fail again.
    if (m_parts.document->ensureFileExists(path))
        m_parts.document->openDocument(path);
    if (calendar == Calendar::GoesToPage) {
        pctDiary->selectDate(day);
        refreshBoldDays();
    }
    hidePanel();
}

void Diary::lblCloseClick()
{
    m_parts.document->newDocument();
    hidePanel();
}

void Diary::refreshBoldDays()
{
    pctDiary->showPageDates(diaryPageDatesAround(m_parts.diaryDir(), pctDiary->shownMonth(),
                                                 pctDiary->selectedDate().year()));
}

void Diary::placePanel()
{
    const QWidget *window = m_parts.window;
    pctDiary->move(window->width() - pctDiary->width(),
                   window->height() - (pctDiary->height() + m_parts.pctStatus->height()));
}

bool Diary::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_parts.window && pctDiary->isVisible()) {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto *press = static_cast<QMouseEvent *>(event);
            if (!m_parts.window->childAt(press->position().toPoint()))
                hidePanel();
        } else if (event->type() == QEvent::Resize) {
            placePanel();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace calmdesk
