// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text/markoverlay.h"

#include <QAbstractScrollArea>
#include <QFontMetricsF>
#include <QPainter>
#include <QRegion>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <utility>

namespace calmdesk {

namespace {

constexpr MarkKind kPainted = MarkKind::SpellingError;
constexpr qreal kHalfPixel = 0.5;

// The format of the characters at a place of a paragraph (their font and colour).
QTextCharFormat formatAt(const QTextBlock &block, int inBlock)
{
    const int position = block.position() + inBlock;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.position() + fragment.length() > position)
            return fragment.charFormat();
    }
    return block.charFormat();
}

// A dotted underline where the toolkit draws a text's own: one line thick, just below the
// baseline, never below the descent.
void drawUnderline(QPainter &painter, const QFontMetricsF &metrics, const QColor &colour,
                   qreal baseline, qreal x1, qreal x2)
{
    const qreal position = metrics.underlinePos();
    qreal offset = std::ceil(position) + kHalfPixel;
    if (position <= metrics.descent())
        offset = std::min(offset, metrics.descent() - kHalfPixel);
    painter.setPen(QPen(colour, metrics.lineWidth(), Qt::DotLine, Qt::FlatCap));
    painter.drawLine(QLineF(std::floor(x1), baseline + offset, std::floor(x2), baseline + offset));
}

} // namespace

MarkOverlay::MarkOverlay(const MarkLayer *marks, EditorView *view, QObject *parent)
    : QObject(parent)
    , m_marks(marks)
    , m_view(view)
{}

void MarkOverlay::paint(QPainter &painter, const QRect &exposed)
{
    if (m_marks->spans(kPainted).empty())
        return;
    // Only the paragraphs in the exposed stretch, which the view has just laid out.
    const QTextBlock first = m_view->cursorForPosition(QPoint(0, exposed.top())).block();
    const int last = m_view->cursorForPosition(QPoint(0, exposed.bottom())).block().blockNumber();
    const QTextCursor caret = m_view->textCursor();
    for (QTextBlock block = first; block.isValid() && block.blockNumber() <= last;
         block = block.next())
        paintBlock(painter, block, caret.selectionStart(), caret.selectionEnd());
}

void MarkOverlay::paintBlock(QPainter &painter, const QTextBlock &block, int selectionStart,
                             int selectionEnd)
{
    const QTextLayout *layout = block.layout();
    if (!block.isVisible() || !layout || layout->lineCount() == 0)
        return;
    const int blockStart = block.position();
    const int blockEnd = blockStart + block.length() - 1;
    const MarkLayer::Spans &spans = m_marks->spans(kPainted);
    auto it = std::upper_bound(spans.begin(), spans.end(), blockStart,
                               [](int p, const MarkLayer::Span &s) { return p < s.end; });
    if (it == spans.end() || it->start >= blockEnd)
        return;

    const QPointF origin = m_view->blockRect(block).topLeft();
    const QFont documentFont = block.document()->defaultFont();
    const QPalette colours = m_view->scrollArea()->palette();
    // Under selected characters the underline takes the selection's text colour, as the
    // characters do.
    const int selectedFrom = selectionStart - blockStart;
    const int selectedTo = selectionEnd - blockStart;
    for (; it != spans.end() && it->start < blockEnd; ++it) {
        const int from = std::max(it->start, blockStart) - blockStart;
        const int to = std::min(it->end, blockEnd) - blockStart;
        const QTextCharFormat format = formatAt(block, from);
        const QFontMetricsF metrics(format.font().resolve(documentFont));
        const QColor text = format.hasProperty(QTextFormat::ForegroundBrush)
                                ? format.foreground().color()
                                : colours.color(QPalette::Text);
        const QColor selected = colours.color(QPalette::HighlightedText);
        // A mark may run over several lines of its paragraph.
        for (QTextLine line = layout->lineForTextPosition(from);
             line.isValid() && line.textStart() < to;
             line = layout->lineAt(line.lineNumber() + 1)) {
            const int a = std::max(from, line.textStart());
            const int b = std::min(to, line.textStart() + line.textLength());
            const qreal baseline = origin.y() + line.y() + line.ascent();
            const auto draw = [&](int pieceFrom, int pieceTo, const QColor &colour) {
                if (pieceFrom < pieceTo)
                    drawUnderline(painter, metrics, colour, baseline,
                                  origin.x() + line.cursorToX(pieceFrom),
                                  origin.x() + line.cursorToX(pieceTo));
            };
            draw(a, std::min(b, selectedFrom), text);
            draw(std::max(a, selectedFrom), std::min(b, selectedTo), selected);
            draw(std::max(a, selectedTo), b, text);
        }
    }
}

void MarkOverlay::marksChanged(int from, int to)
{
    const QTextDocument *document = m_view->document();
    const int first = document->findBlock(from).blockNumber();
    const int last = document->findBlock(std::max(from, to - 1)).blockNumber();
    if (m_changed.empty()) {
        m_revision = document->revision();
        QMetaObject::invokeMethod(this, &MarkOverlay::repaintChanged, Qt::QueuedConnection);
    }
    m_changed.push_back({first, last});
}

void MarkOverlay::repaintChanged()
{
    const std::vector<Paragraphs> changed = std::exchange(m_changed, {});
    QWidget *viewport = m_view->scrollArea()->viewport();
    if (changed.empty() || !viewport->isVisible())
        return;
    const QTextDocument *document = m_view->document();
    if (document->revision() != m_revision) {
        // The text was edited since: those paragraphs may stand elsewhere now.
        viewport->update();
        return;
    }
    const int top = m_view->cursorForPosition(QPoint(0, 0)).block().blockNumber();
    const int bottom =
        m_view->cursorForPosition(QPoint(0, viewport->height())).block().blockNumber();
    // Only paragraphs in view are measured: placing one far away would lay out all between.
    const auto rectOf = [&](int block) {
        return m_view->blockRect(document->findBlockByNumber(block));
    };
    QRegion region;
    for (const Paragraphs &change : changed) {
        if (change.last < top || change.first > bottom)
            continue; // out of view
        const QRectF rect =
            rectOf(std::max(change.first, top)).united(rectOf(std::min(change.last, bottom)));
        region += QRect(0, int(std::floor(rect.top())), viewport->width(),
                        int(std::ceil(rect.height())) + 1);
    }
    if (!region.isEmpty())
        viewport->update(region);
}

} // namespace calmdesk
