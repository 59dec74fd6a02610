#include "texteditwidget.h"

#include "linebreaks.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextCursor>
#include <QWheelEvent>

namespace calmdesk {

namespace {

bool isEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

TextEditWidget::TextEditWidget(QWidget *parent)
    : QTextEdit(parent)
{
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

bool TextEditWidget::event(QEvent *event)
{
    emit eventArriving();
    return QTextEdit::event(event);
}

bool TextEditWidget::viewportEvent(QEvent *event)
{
    emit eventArriving();
    return QTextEdit::viewportEvent(event);
}

void TextEditWidget::keyPressEvent(QKeyEvent *event)
{
    bool keyHandled = false;
    emit keyDown(event->key(), event->modifiers(), &keyHandled);
    // As with the platform's own key and character messages, the character of a
    // key is reported even when the key itself was swallowed.
    bool characterHandled = false;
    if (!event->text().isEmpty())
        emit characterTyped(event->text(), event->modifiers(), &characterHandled);
    if (keyHandled || characterHandled) {
        event->accept();
        return;
    }
    if (isEnterKey(event->key()) && event->modifiers().testFlag(Qt::ShiftModifier)) {
        // Qt would insert a line separator; the program knows only paragraph breaks.
        QKeyEvent plainEnter(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier,
                             event->text(), event->isAutoRepeat(), ushort(event->count()));
        QTextEdit::keyPressEvent(&plainEnter);
        event->setAccepted(plainEnter.isAccepted());
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void TextEditWidget::keyReleaseEvent(QKeyEvent *event)
{
    bool handled = false;
    emit keyUp(event->key(), event->modifiers(), &handled);
    if (handled) {
        event->accept();
        return;
    }
    QTextEdit::keyReleaseEvent(event);
}

void TextEditWidget::mousePressEvent(QMouseEvent *event)
{
    QTextEdit::mousePressEvent(event);
    emit mouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

void TextEditWidget::mouseReleaseEvent(QMouseEvent *event)
{
    QTextEdit::mouseReleaseEvent(event);
    emit mouseUp(event->button(), event->modifiers(), event->position().toPoint());
}

void TextEditWidget::mouseMoveEvent(QMouseEvent *event)
{
    QTextEdit::mouseMoveEvent(event);
    emit mouseMoved(event->buttons(), event->modifiers(), event->position().toPoint());
}

void TextEditWidget::wheelEvent(QWheelEvent *event)
{
    bool handled = false;
    emit wheelTurned(event->angleDelta(), event->modifiers(), &handled);
    if (handled) {
        event->accept();
        return;
    }
    QTextEdit::wheelEvent(event);
}

void TextEditWidget::contextMenuEvent(QContextMenuEvent *event)
{
    // The program shows its own menu, or none.
    emit contextMenuRequested(event->pos());
    event->accept();
}

void TextEditWidget::focusInEvent(QFocusEvent *event)
{
    QTextEdit::focusInEvent(event);
    emit focusEntered();
}

void TextEditWidget::focusOutEvent(QFocusEvent *event)
{
    QTextEdit::focusOutEvent(event);
    emit focusLeft();
}

bool TextEditWidget::canInsertFromMimeData(const QMimeData *source) const
{
    return source->hasText();
}

void TextEditWidget::insertFromMimeData(const QMimeData *source)
{
    // Plain text only: rich text and pictures never enter the document.
    if (!source->hasText() || isReadOnly())
        return;
    QTextCursor cursor = textCursor();
    cursor.insertText(linebreaks::toWidgetBreaks(source->text()));
    ensureCursorVisible();
}

QMimeData *TextEditWidget::createMimeDataFromSelection() const
{
    auto *mime = new QMimeData;
    mime->setText(linebreaks::toWidgetBreaks(textCursor().selectedText()));
    return mime;
}

} // namespace calmdesk
