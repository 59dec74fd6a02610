// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/edgepanels.h"

#include "app/layout/topbar.h"
#include "app/layout/windowlayout.h"
#include "goals/statuspanel.h"
#include "platform/text/textcontrol.h"

#include <QAbstractButton>
#include <QEvent>
#include <QMouseEvent>
#include <QRegion>
#include <QWidget>

namespace calmdesk {

namespace {

QWidget *strip(QWidget *parent, const QColor &colour)
{
    auto *widget = new QWidget(parent);
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
    return widget;
}

// An invisible strip that only notices the pointer.
QWidget *hoverStrip(QWidget *parent)
{
    auto *widget = new QWidget(parent);
    widget->setMouseTracking(true);
    widget->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    return widget;
}

// The strip notices the pointer over its parts only; elsewhere the pointer reaches what is
// beneath.
void placeHoverStrip(QWidget *strip, const HoverArea &parts)
{
    QRect bounds;
    QRegion reach;
    for (const QRect &part : parts) {
        bounds |= part;
        reach += part;
    }
    strip->setVisible(!bounds.isEmpty());
    if (bounds.isEmpty())
        return;
    strip->setGeometry(bounds);
    strip->setMask(reach.translated(-bounds.topLeft()));
}

} // namespace

EdgePanels::EdgePanels(QWidget *window, TextControl *text, StatusPanel *status)
    : QObject(window)
    , m_window(window)
    , txtMain(text)
    , pctStatus(status)
    , pctSpan(strip(window, WindowButtons::barColour()))
    , pctControl(new WindowButtons(window))
    , pctRecent(recentFilesButton(window))
    , imgHover(hoverStrip(window))
    , imgHover2(hoverStrip(window))
    , pctRed(strip(window, Qt::black))
{
    pctSpan->hide();
    pctControl->hide();
    pctRecent->hide();
    pctRed->setMouseTracking(true);
    pctSpan->setMouseTracking(true);
    window->setMouseTracking(true);
    for (QWidget *watched : {window, imgHover, imgHover2, pctRed, pctSpan})
        watched->installEventFilter(this);
    connect(txtMain, &TextControl::mouseMoved, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, const QPoint &position) {
                pointerOverText(position);
            });
}

bool EdgePanels::isTopBarShown() const
{
    return pctControl->isVisible();
}

bool EdgePanels::isScrollBarCovered() const
{
    return pctRed->isVisible();
}

void EdgePanels::setModes(BarMode showStatus, BarMode scrollbar)
{
    m_showStatus = showStatus;
    m_scrollbar = scrollbar;
    if (const std::optional<bool> covered = fixedScrollCoverVisibility(scrollbar))
        pctRed->setVisible(*covered);
}

void EdgePanels::setCoverColour(const QColor &colour)
{
    QPalette p = pctRed->palette();
    p.setColor(QPalette::Window, colour);
    pctRed->setPalette(p);
}

void EdgePanels::place(const WindowLayout &layout)
{
    pctSpan->setGeometry(layout.pctSpan);
    pctControl->setGeometry(layout.pctControl);
    pctRecent->setGeometry(layout.pctRecent);
    placeHoverStrip(imgHover, layout.imgHover);
    placeHoverStrip(imgHover2, layout.imgHover2);
    pctRed->setGeometry(layout.pctRed);
    m_topBarCorner = layout.topBarCorner;
    // Stacking: the cover over the text; the strips over the cover, whose top row they
    // share at the corner (nowhere else do they meet the text or the cover); the bar
    // over them all.
    pctRed->raise();
    imgHover->raise();
    imgHover2->raise();
    pctSpan->raise();
    pctControl->raise();
    pctRecent->raise();
}

void EdgePanels::showTopBar(bool shown)
{
    pctSpan->setVisible(shown);
    pctControl->setVisible(shown);
    if (shown) {
        pctSpan->raise();
        pctControl->raise();
    } else {
        pctRecent->hide();
    }
}

void EdgePanels::showRecentBar(bool shown)
{
    showTopBar(shown);
    pctRecent->setVisible(shown);
    if (shown)
        pctRecent->raise();
}

void EdgePanels::pointerOverBackground(int y, int height)
{
    showTopBar(false);
    if (m_showStatus == BarMode::AutoHide)
        pctStatus->setVisible(statusShownAtPointer(y, height));
}

void EdgePanels::pointerOverText(const QPoint &position)
{
    pointerOverBackground(position.y(), txtMain->height());
    if (m_scrollbar == BarMode::AutoHide &&
        scrollCoverShownAtPointer(position.x(), txtMain->width()))
        pctRed->show();
}

void EdgePanels::pointerUnderTopBar(const QPoint &at)
{
    // The dark strip only backs the buttons: in the corner it keeps the bar up, beyond it
    // the pointer is over the text (or the background) it covers, and the bar goes.
    if (m_topBarCorner.contains(at))
        return;
    if (txtMain->geometry().contains(at))
        pointerOverText(txtMain->mapFrom(m_window, at));
    else
        pointerOverBackground(at.y(), m_window->height());
}

bool EdgePanels::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseMove)
        return false;
    const QPoint position = static_cast<QMouseEvent *>(event)->position().toPoint();
    // A move the strips or the cover handle goes no further: unhandled, it would reach the
    // window and count as the pointer over the background.
    if (watched == imgHover || watched == imgHover2) {
        showTopBar(true);
        return true;
    }
    if (watched == pctSpan) {
        pointerUnderTopBar(pctSpan->mapTo(m_window, position));
        return true;
    }
    if (watched == pctRed) {
        // Under the pointer the scroll bar shows.
        if (m_scrollbar == BarMode::AutoHide)
            pctRed->hide();
        return true;
    }
    if (watched == m_window) {
        pointerOverBackground(position.y(), m_window->height());
    }
    return false;
}

} // namespace calmdesk
