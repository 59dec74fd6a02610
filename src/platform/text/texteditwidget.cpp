#include "platform/text/texteditwidget.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

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
    // The scroll bar counts pixels: a step is the height of the line at the top.
    QScrollBar *bar = verticalScrollBar();
    const QTextCursor top = cursorForPosition(QPoint(0, 0));
    const QTextLine line = top.block().layout()->lineForTextPosition(top.positionInBlock());
    const int step = line.isValid() ? qRound(line.height()) : bar->singleStep();
    bar->setValue(bar->value() + lines * step);
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
