// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/keypreview.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace calmdesk {

KeyPreview::KeyPreview(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    QCoreApplication::instance()->installEventFilter(this);
}

void KeyPreview::watchDetachable(QWidget *part)
{
    m_detachable.append(part);
}

bool KeyPreview::isOwnWindow(const QWidget *window) const
{
    if (window == m_window)
        return true;
    for (const QPointer<QWidget> &part : m_detachable) {
        if (part == window)
            return true;
    }
    return false;
}

bool KeyPreview::isFirstDelivery(QObject *watched) const
{
    if (!watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    QWidget *window = widget->window();
    if (!isOwnWindow(window))
        return false;
    // A key event reaches the focused widget and, unhandled, its parents: act on the first
    // delivery only.
    QWidget *first = QWidget::keyboardGrabber();
    if (!first)
        first = window->focusWidget() ? window->focusWidget() : window;
    return widget == first;
}

bool KeyPreview::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    if (!isFirstDelivery(watched))
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (type == QEvent::KeyPress) {
        m_pressedWith.insert(key->key(), key->modifiers());
        return false;
    }
    // A held key repeats its release; the command acts once, when the key comes up.
    if (key->isAutoRepeat())
        return false;
    emit keyReleased(key->key(), key->modifiers() | m_pressedWith.take(key->key()));
    return false;
}

} // namespace calmdesk
