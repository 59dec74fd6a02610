// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/focuslock.h"

#include "app/layout/staysontop.h"

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QToolButton>
#include <QWidget>

namespace calmdesk {

namespace {

constexpr int kLockLeft = 4;
constexpr int kLockTop = 4;
constexpr int kLockSize = 16;

// A small padlock, open or shut, in the status line's grey.
QIcon padlock(bool shut)
{
    QPixmap pixmap(kLockSize, kLockSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = shut ? QColor(0, 255, 0) : QColor(160, 160, 160);
    painter.setPen(QPen(colour, 1.6));
    painter.setBrush(Qt::NoBrush);
    // The shackle: closed over the body, or lifted to one side.
    painter.drawArc(QRectF(4, shut ? 1.5 : 0, 8, 9), 0, 180 * 16);
    painter.drawLine(QPointF(4, shut ? 6 : 4.5), QPointF(4, 7.5));
    if (shut)
        painter.drawLine(QPointF(12, 6), QPointF(12, 7.5));
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(2.5, 7.5, 11, 7.5), 1.5, 1.5);
    return QIcon(pixmap);
}

} // namespace

FocusLock::FocusLock(QWidget *window, QWidget *statusLine, std::function<bool()> keepOnTop)
    : QObject(window)
    , m_window(window)
    , m_keepOnTop(std::move(keepOnTop))
    , imgLock(new QToolButton(statusLine))
    , tmrWatch(new QTimer(this))
{
    imgLock->setAutoRaise(true);
    imgLock->setFocusPolicy(Qt::NoFocus);
    imgLock->setCursor(Qt::PointingHandCursor);
    imgLock->setGeometry(kLockLeft, kLockTop, kLockSize, kLockSize);
    imgLock->setIconSize(QSize(kLockSize - 2, kLockSize - 2));
    tmrWatch->setInterval(kWatchIntervalMs);
    connect(imgLock, &QToolButton::clicked, this, &FocusLock::toggle);
    connect(tmrWatch, &QTimer::timeout, this, &FocusLock::watch);
    showState();
}

bool FocusLock::isLocked() const
{
    return tmrWatch->isActive();
}

void FocusLock::toggle()
{
    if (tmrWatch->isActive()) {
        tmrWatch->stop();
        if (!m_keepOnTop())
            setStaysOnTop(m_window, false);
        m_window->raise();
        m_window->activateWindow();
    } else {
        setStaysOnTop(m_window, true);
        tmrWatch->start();
    }
    showState();
}

void FocusLock::watch()
{
    // Keep the editor in front with the keyboard; another program's window is left alone.
    // The editor's own windows (the detached writing tools, a box) keep the keyboard.
    if (!m_window->isVisible() || QApplication::activeModalWidget() ||
        QApplication::activePopupWidget())
        return;
    if (!QApplication::activeWindow()) {
        m_window->raise();
        m_window->activateWindow();
    }
}

void FocusLock::showState()
{
    const bool locked = isLocked();
    imgLock->setIcon(padlock(locked));
    const QString hint = locked ? tr("Focus is now locked. Click here to unlock it.")
                                : tr("Focus is unlocked. Click here to lock it.");
    imgLock->setToolTip(hint);
    imgLock->setAccessibleName(hint);
}

} // namespace calmdesk
