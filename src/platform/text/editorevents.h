// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>

namespace calmdesk {

// The input events of an editing widget, reported before the widget acts on them so a
// handler can swallow them (set *handled). Positions are in the widget's viewport.
class EditorEvents : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    // Before any event of the widget or its viewport is handled (input, paint).
    void eventArriving();
    void keyDown(int key, Qt::KeyboardModifiers modifiers, bool *handled);
    void keyUp(int key, Qt::KeyboardModifiers modifiers, bool *handled);
    // Text typed by a key, or committed by an input method (dead keys, Compose, IBus).
    void characterTyped(const QString &text, Qt::KeyboardModifiers modifiers, bool *handled);
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint &position);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint &position);
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                    const QPoint &position);
    void wheelTurned(const QPoint &angleDelta, Qt::KeyboardModifiers modifiers, bool *handled);
    void contextMenuRequested(const QPoint &position);
    void focusEntered();
    void focusLeft();
    // The viewport's width or the text's font changed: lines wrap anew.
    void wrappingChanged();
};

} // namespace calmdesk
