#pragma once

#include <QTextEdit>

namespace calmdesk {

// The Qt editing widget inside TextControl: reports its input events before acting
// on them (so a handler can swallow them), keeps line separators and rich content
// out of the document, and puts only plain text on the clipboard.
class TextEditWidget : public QTextEdit
{
    Q_OBJECT

public:
    explicit TextEditWidget(QWidget *parent = nullptr);

signals:
    // Before any event of the widget or its viewport is handled (input, paint).
    void eventArriving();
    void keyDown(int key, Qt::KeyboardModifiers modifiers, bool *handled);
    void keyUp(int key, Qt::KeyboardModifiers modifiers, bool *handled);
    void characterTyped(const QString &text, Qt::KeyboardModifiers modifiers, bool *handled);
    // Positions are in viewport coordinates.
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint &position);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint &position);
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                    const QPoint &position);
    void wheelTurned(const QPoint &angleDelta, Qt::KeyboardModifiers modifiers, bool *handled);
    void contextMenuRequested(const QPoint &position);
    void focusEntered();
    void focusLeft();

protected:
    bool event(QEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    QMimeData *createMimeDataFromSelection() const override;

private slots:
    // Qt asks to repaint from an edited paragraph down to the end of the view, even when
    // the text ends a few lines below; only what the text covers (now or before the
    // edit) is repainted.
    void repaintContents(const QRectF &contentsRect);

private:
    // The lowest the text reached since the last repaint, in document coordinates.
    qreal m_coveredHeight = 0;
};

} // namespace calmdesk
