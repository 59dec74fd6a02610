// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QTextCharFormat>

#include <array>
#include <vector>

class QTextDocument;

namespace calmdesk {

// Marks are formats shown over the text that are not part of it.
enum class MarkKind {
    // Dotted underline of a misspelt word.
    SpellingError,
    // Colours of a found word.
    Highlight,
};

struct MarkRange
{
    int start = 0;
    int length = 0;

    friend bool operator==(const MarkRange &, const MarkRange &) = default;
};

// The marks of one document, kept as a view layer: each paragraph's layout carries
// them as additional formats, so they never enter the document, its undo history or
// its change notifications. Positions here are the document's own. An edit moves
// the marks after it and drops the marks it touches.
class MarkLayer : public QObject
{
    Q_OBJECT

public:
    explicit MarkLayer(QTextDocument *document, QObject *parent = nullptr);

    void add(int from, int to, MarkKind kind);
    // Unmarks the characters in [from, to); marks reaching outside keep their rest.
    void clear(int from, int to, MarkKind kind);
    void clear(MarkKind kind);
    // Drops every mark without touching the paragraphs: for when the whole text is
    // about to be replaced, which would only lay the old paragraphs out in vain.
    void forgetAll();

    bool contains(int position, MarkKind kind) const;
    QList<MarkRange> ranges(MarkKind kind) const;

    void setFormat(MarkKind kind, const QTextCharFormat &format);

    // While off, document changes leave the marks in place: for changes that only
    // format text and move no character.
    void setTracking(bool tracking) { m_tracking = tracking; }

    // Marks changed outside an edit are laid out again once, for all of them
    // together, the next time the event loop runs or when flush() is called. Call it
    // before the text is edited or its layout is read: until then the changed
    // paragraphs have no lines.
    void flush();

private:
    static constexpr std::size_t KindCount = 2;

    struct Span
    {
        int start;
        int end;
    };
    using Spans = std::vector<Span>;

    void onContentsChange(int position, int removed, int added);
    void insertSpan(Spans &spans, Span span);
    void applyToBlocks(int from, int to);
    Spans &spansOf(MarkKind kind) { return m_spans[std::size_t(kind)]; }
    const Spans &spansOf(MarkKind kind) const { return m_spans[std::size_t(kind)]; }
    bool isEmpty() const;

    QTextDocument *m_document;
    std::array<Spans, KindCount> m_spans;
    std::array<QTextCharFormat, KindCount> m_formats;
    bool m_tracking = true;
    bool m_inContentsChange = false;
    int m_dirtyFrom = -1;
    int m_dirtyTo = -1;
    bool m_flushScheduled = false;
};

} // namespace calmdesk
