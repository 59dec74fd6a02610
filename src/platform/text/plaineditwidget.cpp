// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text/plaineditwidget.h"

#include "platform/text/spacedplainlayout.h"

#include <QScrollBar>
#include <QTextDocument>

namespace calmdesk {

PlainEditWidget::PlainEditWidget(QWidget *parent)
    : ReportingEditor<QPlainTextEdit>(parent)
{
    auto *document = new QTextDocument(this);
    m_layout = new SpacedPlainLayout(document);
    document->setDocumentLayout(m_layout);
    setDocument(document);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // The bar always takes its room, so lines wrap at one width whether the text fills
    // the view or not (and a cover can hide the bar without hiding text).
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void PlainEditWidget::setSpaceAfter(qreal pixels)
{
    m_layout->setSpaceAfter(pixels);
}

QRectF PlainEditWidget::blockRect(const QTextBlock &block) const
{
    return blockBoundingGeometry(block).translated(contentOffset());
}

void PlainEditWidget::scrollByLines(int lines)
{
    // The scroll bar counts laid-out lines.
    QScrollBar *bar = verticalScrollBar();
    bar->setValue(bar->value() + lines);
}

} // namespace calmdesk
