// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text/spacedplainlayout.h"

#include <QTextBlock>

namespace calmdesk {

SpacedPlainLayout::SpacedPlainLayout(QTextDocument *document)
    : QPlainTextDocumentLayout(document)
{}

void SpacedPlainLayout::setSpaceAfter(qreal pixels)
{
    if (qFuzzyCompare(pixels + 1, m_spaceAfter + 1))
        return;
    m_spaceAfter = pixels;
    // The view places paragraphs by their rectangles: it scrolls and paints anew.
    emit documentSizeChanged(documentSize());
    requestUpdate();
}

QRectF SpacedPlainLayout::blockBoundingRect(const QTextBlock &block) const
{
    QRectF rect = QPlainTextDocumentLayout::blockBoundingRect(block);
    if (block.isVisible())
        rect.setHeight(rect.height() + m_spaceAfter);
    return rect;
}

} // namespace calmdesk
