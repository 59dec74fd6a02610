// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextCharFormat>
#include <QTextCursor>

class QAbstractScrollArea;
class QPainter;
class QRect;
class QRectF;
class QTextBlock;
class QTextDocument;

namespace calmdesk {

class EditorEvents;

// Drawn over the text each time the view paints it.
class ViewportOverlay
{
public:
    virtual ~ViewportOverlay() = default;
    // `exposed` is the part of the viewport being painted, in its coordinates.
    virtual void paint(QPainter &painter, const QRect &exposed) = 0;
};

// The Qt editing widget inside a text control, whichever of Qt's two it is: what the
// control asks of it, named as the widgets name it.
class EditorView
{
public:
    virtual ~EditorView() = default;

    virtual QAbstractScrollArea *scrollArea() = 0;
    virtual EditorEvents *events() const = 0;
    virtual QTextDocument *document() const = 0;
    virtual QTextCursor textCursor() const = 0;
    virtual void setTextCursor(const QTextCursor &cursor) = 0;
    virtual QTextCursor cursorForPosition(const QPoint &viewportPosition) const = 0;
    virtual void ensureCursorVisible() = 0;

    virtual void undo() = 0;
    virtual void redo() = 0;
    virtual void cut() = 0;
    virtual void copy() = 0;
    virtual void paste() = 0;
    virtual void selectAll() = 0;

    virtual void mergeCurrentCharFormat(const QTextCharFormat &format) = 0;
    virtual QTextCharFormat currentCharFormat() const = 0;

    virtual void setReadOnly(bool readOnly) = 0;
    virtual bool isReadOnly() const = 0;

    // Where a paragraph stands, in viewport coordinates; its lines are placed from the
    // top-left corner.
    virtual QRectF blockRect(const QTextBlock &block) const = 0;
    // Scrolls by whole laid-out lines (negative: up).
    virtual void scrollByLines(int lines) = 0;
    // The width lines wrap at, in pixels.
    virtual qreal wrapWidth() const = 0;
    // Painted after the text, or nothing (null).
    virtual void setOverlay(ViewportOverlay *overlay) = 0;
};

} // namespace calmdesk
