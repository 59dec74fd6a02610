// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text/positionmap.h"

#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace calmdesk::positionmap {

namespace {

// Number of characters the widget stores beyond the text: the final paragraph
// separator of the last block.
constexpr int TrailingSeparator = 1;

int canonicalBlockStart(const QTextBlock &block)
{
    return block.position() + block.blockNumber();
}

} // namespace

int canonicalLength(const QTextDocument &document)
{
    const int breaks = document.blockCount() - 1;
    return document.characterCount() - TrailingSeparator + breaks;
}

int toCanonical(const QTextDocument &document, int widgetPosition)
{
    const int widgetLength = document.characterCount() - TrailingSeparator;
    const int position = std::clamp(widgetPosition, 0, widgetLength);
    return position + document.findBlock(position).blockNumber();
}

int toWidget(const QTextDocument &document, int canonicalPosition)
{
    const int canonical = std::clamp(canonicalPosition, 0, canonicalLength(document));
    const int widgetLength = document.characterCount() - TrailingSeparator;

    // The block holding the position is the last one whose canonical start is not
    // after it; it cannot lie beyond the block at the same widget position.
    int low = 0;
    int high = document.findBlock(std::min(canonical, widgetLength)).blockNumber();
    while (low < high) {
        const int middle = low + (high - low + 1) / 2;
        if (canonicalBlockStart(document.findBlockByNumber(middle)) <= canonical)
            low = middle;
        else
            high = middle - 1;
    }
    const QTextBlock block = document.findBlockByNumber(low);
    const int offset = std::min(canonical - canonicalBlockStart(block), block.length() - 1);
    return block.position() + offset;
}

ForwardToWidget::ForwardToWidget(const QTextDocument &document)
    : m_block(document.firstBlock())
{}

int ForwardToWidget::operator()(int canonicalPosition)
{
    // A paragraph's text is followed by its break: one character here, two canonically.
    for (QTextBlock next = m_block.next(); next.isValid(); next = m_block.next()) {
        const int textLength = m_block.length() - 1;
        const int nextCanonicalStart = m_canonicalStart + textLength + 2;
        if (canonicalPosition < nextCanonicalStart)
            break;
        m_widgetStart += textLength + 1;
        m_canonicalStart = nextCanonicalStart;
        m_block = next;
    }
    const int offset = std::clamp(canonicalPosition - m_canonicalStart, 0, m_block.length() - 1);
    return m_widgetStart + offset;
}

} // namespace calmdesk::positionmap
