#include "app/layout/edgepanels.h"

#include "app/layout/topbar.h"
#include "app/layout/windowlayout.h"
#include "goals/statuspanel.h"
#include "platform/text/textcontrol.h"

#include <QEvent>
#include <QMouseEvent>
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

} // namespace

EdgePanels::EdgePanels(QWidget *window, TextControl *text, StatusPanel *status)
    : QObject(window)
    , m_window(window)
    , txtMain(text)
    , pctStatus(status)
    , pctSpan(strip(window, WindowButtons::barColour()))
    , pctControl(new WindowButtons(window))
    , imgHover(hoverStrip(window))
    , imgHover2(hoverStrip(window))
    , pctRed(strip(window, Qt::black))
{
    pctSpan->hide();
    pctControl->hide();
    pctRed->setMouseTracking(true);
    window->setMouseTracking(true);
    for (QObject *watched : {static_cast<QObject *>(window), static_cast<QObject *>(imgHover),
                             static_cast<QObject *>(imgHover2), static_cast<QObject *>(pctRed)})
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
    imgHover->setGeometry(layout.imgHover);
    imgHover2->setGeometry(layout.imgHover2);
    pctRed->setGeometry(layout.pctRed);
    // Stacking: the cover over the text, the bar and the strips over everything.
    pctRed->raise();
    imgHover->raise();
    imgHover2->raise();
    pctSpan->raise();
    pctControl->raise();
}

void EdgePanels::showTopBar(bool shown)
{
    pctSpan->setVisible(shown);
    pctControl->setVisible(shown);
    if (shown) {
        pctSpan->raise();
        pctControl->raise();
    }
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
