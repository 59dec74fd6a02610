#include "keypreview.h"

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

bool KeyPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyRelease || !watched->isWidgetType())
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    // A held key repeats its release; the command acts once, when the key comes up.
    if (key->isAutoRepeat())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (widget->window() != m_window)
        return false;
    // The release reaches the focused widget and, unhandled, its parents: act on the
    // first delivery only.
    QWidget *first = QWidget::keyboardGrabber();
    if (!first)
        first = m_window->focusWidget() ? m_window->focusWidget() : m_window;
    if (widget != first)
        return false;
    emit keyReleased(key->key(), key->modifiers());
    return false;
}

} // namespace calmdesk
