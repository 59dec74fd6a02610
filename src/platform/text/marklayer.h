// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QTextCharFormat>

#include <array>
#include <vector>

class QTextDocument;

namespace calmdesk {

// Marks are shown over the text and are not part of it.
enum class MarkKind {
    // Dotted underline of a misspelt word, painted over the text by the view.
    SpellingError,
    // Colours of a found word, laid into the paragraph as formats (they change how the
    // letters themselves are drawn).
    Highlight,
};

// Whether a kind is painted over the text rather than laid into its paragraphs: a painted
// mark never makes a paragraph lay out again, so a text with many of them edits as fast as
// one with none.
constexpr bool isPaintedOver(MarkKind kind)
{
    return kind == MarkKind::SpellingError;
}

struct MarkRange
{
    int start = 0;
    int length = 0;

    friend bool operator==(const MarkRange &, const MarkRange &) = default;
};

// The marks of one document, kept as a view layer: each paragraph's layout carries the
// laid-in kinds as additional formats, and the view paints the others from spans(); so
// they never enter the document, its undo history or its change notifications.
// Positions here are the document's own. An edit moves the marks after it and drops the
// marks it touches.
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

    // Marked stretches of one kind, sorted, never overlapping, none across a break.
    struct Span
    {
        int start;
        int end;
    };
    using Spans = std::vector<Span>;
    const Spans &spans(MarkKind kind) const { return m_spans[std::size_t(kind)]; }

    // The look of a laid-in kind.
    void setFormat(MarkKind kind, const QTextCharFormat &format);

    // While off, document changes leave the marks in place: for changes that only
    // format text and move no character.
    void setTracking(bool tracking) { m_tracking = tracking; }

    // Marks changed outside an edit are laid out again once, for all of them
    // together, the next time the event loop runs or when flush() is called. Call it
    // before the text is edited or its layout is read: until then the changed
    // paragraphs have no lines.
    void flush();

signals:
    // Painted marks were added or cleared in [from, to) outside an edit (an edit repaints
    // what it changed anyway): the view shows them anew where they are in view.
    void paintedMarksChanged(int from, int to);

private:
    static constexpr std::size_t KindCount = 2;

    void onContentsChange(int position, int removed, int added);
    void insertSpan(Spans &spans, Span span);
    // Shows a change of `kind`'s marks in [from, to).
    void show(MarkKind kind, int from, int to);
    void applyToBlocks(int from, int to);
    Spans &spansOf(MarkKind kind) { return m_spans[std::size_t(kind)]; }
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
