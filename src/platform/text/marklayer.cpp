// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text/marklayer.h"

#include <QScopedValueRollback>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace calmdesk {

namespace {

constexpr int SeparatorLength = 1;

} // namespace

MarkLayer::MarkLayer(QTextDocument *document, QObject *parent)
    : QObject(parent)
    , m_document(document)
{
    connect(document, &QTextDocument::contentsChange, this, &MarkLayer::onContentsChange);
}

void MarkLayer::add(int from, int to, MarkKind kind)
{
    if (from >= to)
        return;
    // One span per paragraph, so that an edit only ever touches the spans of the
    // paragraphs it changes.
    Spans &spans = spansOf(kind);
    for (QTextBlock block = m_document->findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        const int start = std::max(from, block.position());
        const int end = std::min(to, block.position() + block.length() - SeparatorLength);
        if (start < end)
            insertSpan(spans, {start, end});
    }
    show(kind, from, to);
}

void MarkLayer::insertSpan(Spans &spans, Span span)
{
    // Spans are sorted and never overlap, so their ends are sorted too.
    auto it = std::upper_bound(spans.begin(), spans.end(), span.start,
                               [](int position, const Span &s) { return position < s.end; });
    while (it != spans.end() && it->start < span.end) {
        span.start = std::min(span.start, it->start);
        span.end = std::max(span.end, it->end);
        it = spans.erase(it);
    }
    spans.insert(it, span);
}

void MarkLayer::clear(int from, int to, MarkKind kind)
{
    if (from >= to)
        return;
    Spans &spans = spansOf(kind);
    Spans kept;
    kept.reserve(spans.size() + 1);
    bool touched = false;
    for (const Span &span : spans) {
        if (span.end <= from || span.start >= to) {
            kept.push_back(span);
            continue;
        }
        touched = true;
        if (span.start < from)
            kept.push_back({span.start, from});
        if (span.end > to)
            kept.push_back({to, span.end});
    }
    if (!touched)
        return; // nothing marked there, nothing to show anew
    spans.swap(kept);
    show(kind, from, to);
}

void MarkLayer::clear(MarkKind kind)
{
    Spans &spans = spansOf(kind);
    if (spans.empty())
        return;
    const int from = spans.front().start;
    const int to = spans.back().end;
    spans.clear();
    show(kind, from, to);
}

void MarkLayer::show(MarkKind kind, int from, int to)
{
    if (isPaintedOver(kind))
        emit paintedMarksChanged(from, to);
    else
        applyToBlocks(from, to);
}

void MarkLayer::forgetAll()
{
    for (Spans &spans : m_spans)
        spans.clear();
    m_dirtyFrom = -1;
    m_dirtyTo = -1;
}

void MarkLayer::flush()
{
    m_flushScheduled = false;
    if (m_dirtyFrom < 0)
        return;
    const int from = m_dirtyFrom;
    const int length = std::min(m_dirtyTo, m_document->characterCount()) - from;
    m_dirtyFrom = -1;
    m_dirtyTo = -1;
    m_document->markContentsDirty(from, std::max(length, 0));
}

bool MarkLayer::contains(int position, MarkKind kind) const
{
    const Spans &spans = this->spans(kind);
    auto it = std::upper_bound(spans.begin(), spans.end(), position,
                               [](int p, const Span &s) { return p < s.end; });
    return it != spans.end() && it->start <= position;
}

QList<MarkRange> MarkLayer::ranges(MarkKind kind) const
{
    QList<MarkRange> result;
    for (const Span &span : spans(kind))
        result.append({span.start, span.end - span.start});
    return result;
}

void MarkLayer::setFormat(MarkKind kind, const QTextCharFormat &format)
{
    m_formats[std::size_t(kind)] = format;
    const Spans &marked = spans(kind);
    if (!marked.empty())
        show(kind, marked.front().start, marked.back().end);
}

bool MarkLayer::isEmpty() const
{
    return std::all_of(m_spans.begin(), m_spans.end(),
                       [](const Spans &spans) { return spans.empty(); });
}

void MarkLayer::onContentsChange(int position, int removed, int added)
{
    if (!m_tracking || isEmpty())
        return;
    const int removedEnd = position + removed;
    const int shift = added - removed;
    for (Spans &spans : m_spans) {
        // Spans ending before the edit stay; those it touches are dropped (their words
        // changed); those after it move. Done in place: a key costs no copy of the marks.
        const auto touched = std::upper_bound(spans.begin(), spans.end(), position,
                                              [](int p, const Span &s) { return p < s.end; });
        auto after = touched;
        while (after != spans.end() && after->start < removedEnd)
            ++after;
        for (auto it = after; it != spans.end(); ++it) {
            it->start += shift;
            it->end += shift;
        }
        spans.erase(touched, after);
    }
    QScopedValueRollback<bool> inChange(m_inContentsChange, true);
    applyToBlocks(position, position + added);
}

void MarkLayer::applyToBlocks(int from, int to)
{
    int dirtyFrom = -1;
    int dirtyTo = -1;
    for (QTextBlock block = m_document->findBlock(from); block.isValid(); block = block.next()) {
        const int blockStart = block.position();
        if (blockStart > to)
            break;
        const int blockEnd = blockStart + block.length() - SeparatorLength;

        QList<QTextLayout::FormatRange> formats;
        for (std::size_t kind = 0; kind < KindCount; ++kind) {
            if (isPaintedOver(MarkKind(kind)))
                continue;
            const Spans &spans = m_spans[kind];
            auto it = std::upper_bound(spans.begin(), spans.end(), blockStart,
                                       [](int p, const Span &s) { return p < s.end; });
            for (; it != spans.end() && it->start < blockEnd; ++it) {
                const int start = std::max(it->start, blockStart);
                const int end = std::min(it->end, blockEnd);
                formats.append({start - blockStart, end - start, m_formats[kind]});
            }
        }

        QTextLayout *layout = block.layout();
        if (formats.isEmpty() && layout->formats().isEmpty())
            continue;
        layout->setFormats(formats);
        if (dirtyFrom < 0)
            dirtyFrom = blockStart;
        dirtyTo = blockStart + block.length();
    }
    if (dirtyFrom < 0 || m_inContentsChange)
        return; // inside an edit, the edit's own relayout covers the paragraphs
    // Outside an edit the paragraphs must be laid out again. Each relayout also
    // places every paragraph after it, so the stretches are gathered and laid out
    // once.
    m_dirtyFrom = m_dirtyFrom < 0 ? dirtyFrom : std::min(m_dirtyFrom, dirtyFrom);
    m_dirtyTo = std::max(m_dirtyTo, dirtyTo);
    if (!m_flushScheduled) {
        m_flushScheduled = true;
        QMetaObject::invokeMethod(this, &MarkLayer::flush, Qt::QueuedConnection);
    }
}

} // namespace calmdesk
