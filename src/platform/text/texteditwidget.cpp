#include "platform/text/texteditwidget.h"

#include "platform/text/widgetbreaks.h"

#include <QAbstractTextDocumentLayout>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
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

    // Take over the text's repaint requests from Qt's editing control (see
    // repaintContents). Without that control, Qt's own handling stays in place.
    for (QObject *child : children()) {
        if (qstrcmp(child->metaObject()->className(), "QWidgetTextControl") != 0)
            continue;
        if (disconnect(child, SIGNAL(updateRequest(QRectF)), this, nullptr)) {
            connect(child, SIGNAL(updateRequest(QRectF)), this, SLOT(repaintContents(QRectF)));
        }
        break;
    }
}

void TextEditWidget::repaintContents(const QRectF &contentsRect)
{
    if (!contentsRect.isValid()) {
        viewport()->update();
        return;
    }
    // The bottom of the last paragraph as laid out now, after the edit; what the text
    // covered before the edit is repainted too, so text that went away is cleared.
    const qreal textBottom =
        document()->documentLayout()->blockBoundingRect(document()->lastBlock()).bottom();
    // The document's margin and a pixel of rounding below the last line.
    const qreal covered = qMax(m_coveredHeight, textBottom) + document()->documentMargin() + 1;
    m_coveredHeight = textBottom;

    QRectF r = contentsRect;
    if (r.bottom() > covered)
        r.setBottom(covered);
    const int xOffset = horizontalScrollBar()->value();
    const int yOffset = verticalScrollBar()->value();
    const QRectF visible(xOffset, yOffset, viewport()->width(), viewport()->height());
    QRect area = r.intersected(visible).toAlignedRect();
    if (area.isEmpty())
        return;
    area.translate(-xOffset, -yOffset);
    viewport()->update(area);
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
    const Qt::KeyboardModifiers held =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (isEnterKey(event->key()) && held == Qt::NoModifier && !isReadOnly()) {
        // Every Enter is a paragraph break (Shift+Enter too: the program knows no line
        // separators). The break goes in here rather than through Qt, which ignores Enter
        // in an empty paragraph that has space after it.
        QTextCursor cursor = textCursor();
        cursor.beginEditBlock();
        cursor.removeSelectedText();
        cursor.insertBlock();
        cursor.endEditBlock();
        setTextCursor(cursor);
        ensureCursorVisible();
        event->accept();
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
    cursor.insertText(widgetbreaks::toWidgetBreaks(source->text()));
    ensureCursorVisible();
}

QMimeData *TextEditWidget::createMimeDataFromSelection() const
{
    auto *mime = new QMimeData;
    mime->setText(widgetbreaks::toWidgetBreaks(textCursor().selectedText()));
    return mime;
}

} // namespace calmdesk
