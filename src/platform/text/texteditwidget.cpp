// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text/texteditwidget.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include <cstdlib>

namespace calmdesk {

TextEditWidget::TextEditWidget(QWidget *parent)
    : ReportingEditor<QTextEdit>(parent)
{
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::WidgetWidth);

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

QRectF TextEditWidget::blockRect(const QTextBlock &block) const
{
    const QRectF inDocument = document()->documentLayout()->blockBoundingRect(block);
    return inDocument.translated(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
}

void TextEditWidget::scrollByLines(int lines)
{
    // The scroll bar counts pixels. A line reaches down to the next line's top: the space
    // after a paragraph moves with its last line, so the text moves by whole lines as the
    // writer counts them.
    QScrollBar *bar = verticalScrollBar();
    const QTextCursor top = cursorForPosition(QPoint(0, 0));
    QTextBlock block = top.block();
    const QTextLine first = block.layout()->lineForTextPosition(top.positionInBlock());
    if (!first.isValid()) {
        bar->setValue(bar->value() + lines * bar->singleStep());
        return;
    }
    const auto lineTop = [](const QTextBlock &b, int index) {
        return b.layout()->position().y() + b.layout()->lineAt(index).y();
    };
    int index = first.lineNumber();
    const qreal from = lineTop(block, index);
    for (int step = 0; step < std::abs(lines); ++step) {
        if (lines > 0 && index + 1 < block.layout()->lineCount()) {
            ++index;
        } else if (lines < 0 && index > 0) {
            --index;
        } else {
            const QTextBlock next = lines > 0 ? block.next() : block.previous();
            // Asking for its place lays out a paragraph the lazy layout has not reached.
            if (next.isValid())
                document()->documentLayout()->blockBoundingRect(next);
            if (!next.isValid() || next.layout()->lineCount() == 0) {
                // Fewer lines are left than asked for: as far as the text goes.
                bar->setValue(lines > 0 ? bar->maximum() : bar->minimum());
                return;
            }
            block = next;
            index = lines > 0 ? 0 : block.layout()->lineCount() - 1;
        }
    }
    bar->setValue(bar->value() + qRound(lineTop(block, index) - from));
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

} // namespace calmdesk
