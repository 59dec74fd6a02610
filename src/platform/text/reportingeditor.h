// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/text/editorevents.h"
#include "platform/text/editorview.h"
#include "platform/text/widgetbreaks.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QTextCursor>
#include <QTextDocument>
#include <QWheelEvent>

namespace calmdesk {

// One of Qt's editing widgets (QTextEdit or QPlainTextEdit) that reports its input
// events before acting on them (so a handler can swallow them), keeps line separators
// and rich content out of the document, and puts only plain text on the clipboard.
template<class Base> class ReportingEditor : public Base, public EditorView
{
public:
    explicit ReportingEditor(QWidget *parent = nullptr)
        : Base(parent)
    {
        // Made in the body: adding it as a child is already an event of this widget.
        m_events = new EditorEvents(this);
        Base::setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // The pointer is followed without a button held: the edges show under it.
        Base::viewport()->setMouseTracking(true);
    }

    QAbstractScrollArea *scrollArea() override { return this; }
    EditorEvents *events() const override { return m_events; }
    QTextDocument *document() const override { return Base::document(); }
    QTextCursor textCursor() const override { return Base::textCursor(); }
    void setTextCursor(const QTextCursor &cursor) override { Base::setTextCursor(cursor); }
    QTextCursor cursorForPosition(const QPoint &position) const override
    {
        return Base::cursorForPosition(position);
    }
    void ensureCursorVisible() override { Base::ensureCursorVisible(); }
    void undo() override { Base::undo(); }
    void redo() override { Base::redo(); }
    void cut() override { Base::cut(); }
    void copy() override { Base::copy(); }
    void paste() override { Base::paste(); }
    void selectAll() override { Base::selectAll(); }
    void mergeCurrentCharFormat(const QTextCharFormat &format) override
    {
        Base::mergeCurrentCharFormat(format);
    }
    QTextCharFormat currentCharFormat() const override { return Base::currentCharFormat(); }
    void setReadOnly(bool readOnly) override { Base::setReadOnly(readOnly); }
    bool isReadOnly() const override { return Base::isReadOnly(); }
    qreal wrapWidth() const override
    {
        return Base::viewport()->width() - 2 * Base::document()->documentMargin();
    }
    void setOverlay(ViewportOverlay *overlay) override { m_overlay = overlay; }

protected:
    bool event(QEvent *event) override
    {
        if (m_events)
            emit m_events->eventArriving();
        return Base::event(event);
    }

    bool viewportEvent(QEvent *event) override
    {
        if (m_events)
            emit m_events->eventArriving();
        return Base::viewportEvent(event);
    }

    void paintEvent(QPaintEvent *event) override
    {
        Base::paintEvent(event);
        if (!m_overlay)
            return;
        QPainter painter(Base::viewport());
        m_overlay->paint(painter, event->rect());
    }

    void resizeEvent(QResizeEvent *event) override
    {
        Base::resizeEvent(event);
        emit m_events->wrappingChanged();
    }

    void changeEvent(QEvent *event) override
    {
        Base::changeEvent(event);
        if (event->type() == QEvent::FontChange)
            emit m_events->wrappingChanged();
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        bool keyHandled = false;
        emit m_events->keyDown(event->key(), event->modifiers(), &keyHandled);
        // As with the platform's own key and character messages, the character of a
        // key is reported even when the key itself was swallowed.
        bool characterHandled = false;
        if (!event->text().isEmpty())
            emit m_events->characterTyped(event->text(), event->modifiers(), &characterHandled);
        if (keyHandled || characterHandled) {
            event->accept();
            return;
        }
        const Qt::KeyboardModifiers held =
            event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && held == Qt::NoModifier && !Base::isReadOnly()) {
            // Every Enter is a paragraph break (Shift+Enter too: the program knows no line
            // separators). The break goes in here rather than through Qt, which ignores
            // Enter in an empty paragraph that has space after it.
            QTextCursor cursor = Base::textCursor();
            cursor.beginEditBlock();
            cursor.removeSelectedText();
            cursor.insertBlock();
            cursor.endEditBlock();
            Base::setTextCursor(cursor);
            Base::ensureCursorVisible();
            event->accept();
            return;
        }
        Base::keyPressEvent(event);
    }

    void keyReleaseEvent(QKeyEvent *event) override
    {
        bool handled = false;
        emit m_events->keyUp(event->key(), event->modifiers(), &handled);
        if (handled) {
            event->accept();
            return;
        }
        Base::keyReleaseEvent(event);
    }

    void inputMethodEvent(QInputMethodEvent *event) override
    {
        const QString commit = event->commitString();
        if (commit.isEmpty()) {
            Base::inputMethodEvent(event);
            return;
        }
        // Text an input method commits (a dead key, Compose, IBus or fcitx) is typing
        // like a key's character.
        bool handled = false;
        emit m_events->characterTyped(commit, QGuiApplication::keyboardModifiers(), &handled);
        const QString kept = handled ? QString() : widgetbreaks::toWidgetBreaks(commit);
        if (kept == commit) {
            Base::inputMethodEvent(event);
            return;
        }
        QInputMethodEvent changed(event->preeditString(), event->attributes());
        changed.setCommitString(kept, event->replacementStart(), event->replacementLength());
        Base::inputMethodEvent(&changed);
        event->setAccepted(changed.isAccepted());
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        Base::mousePressEvent(event);
        emit m_events->mouseDown(event->button(), event->modifiers(), event->position().toPoint());
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        Base::mouseReleaseEvent(event);
        emit m_events->mouseUp(event->button(), event->modifiers(), event->position().toPoint());
    }

    void mouseMoveEvent(QMouseEvent *event) override
    {
        Base::mouseMoveEvent(event);
        emit m_events->mouseMoved(event->buttons(), event->modifiers(),
                                  event->position().toPoint());
    }

    void wheelEvent(QWheelEvent *event) override
    {
        bool handled = false;
        emit m_events->wheelTurned(event->angleDelta(), event->modifiers(), &handled);
        if (handled) {
            event->accept();
            return;
        }
        Base::wheelEvent(event);
    }

    void contextMenuEvent(QContextMenuEvent *event) override
    {
        // The program shows its own menu, or none.
        emit m_events->contextMenuRequested(event->pos());
        event->accept();
    }

    void focusInEvent(QFocusEvent *event) override
    {
        Base::focusInEvent(event);
        emit m_events->focusEntered();
    }

    void focusOutEvent(QFocusEvent *event) override
    {
        Base::focusOutEvent(event);
        emit m_events->focusLeft();
    }

    bool canInsertFromMimeData(const QMimeData *source) const override { return source->hasText(); }

    void insertFromMimeData(const QMimeData *source) override
    {
        // Plain text only: rich text and pictures never enter the document.
        if (!source->hasText() || Base::isReadOnly())
            return;
        QTextCursor cursor = Base::textCursor();
        cursor.insertText(widgetbreaks::toWidgetBreaks(source->text()));
        Base::ensureCursorVisible();
    }

    QMimeData *createMimeDataFromSelection() const override
    {
        auto *mime = new QMimeData;
        mime->setText(widgetbreaks::toWidgetBreaks(Base::textCursor().selectedText()));
        return mime;
    }

private:
    EditorEvents *m_events = nullptr;
    ViewportOverlay *m_overlay = nullptr;
};

} // namespace calmdesk
