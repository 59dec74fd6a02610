// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/text/editorview.h"
#include "platform/text/marklayer.h"

#include <QObject>

#include <vector>

class QTextLayout;

namespace calmdesk {

// Paints the marks that are drawn over the text rather than laid into it (the spelling
// underlines) when the view paints: from the mark ranges and the layouts of the paragraphs
// in view only, so no paragraph is ever laid out again for a mark.
class MarkOverlay : public QObject, public ViewportOverlay
{
    Q_OBJECT

public:
    MarkOverlay(const MarkLayer *marks, EditorView *view, QObject *parent = nullptr);

    void paint(QPainter &painter, const QRect &exposed) override;

    // Marks changed in [from, to) (document positions): the paragraphs of it in view are
    // repainted once, on the next event-loop turn, however many marks changed meanwhile.
    // Changes before and after the view repaint nothing, even when they come together.
    void marksChanged(int from, int to);

private:
    void repaintChanged();
    void paintBlock(QPainter &painter, const QTextBlock &block, int selectionStart,
                    int selectionEnd);

    const MarkLayer *m_marks;
    EditorView *m_view;
    // The paragraphs whose marks changed since the last repaint, first and last of each
    // change, and the text's revision then. Positions are not kept in cursors: placing a
    // cursor lays out its paragraph.
    struct Paragraphs
    {
        int first;
        int last;
    };
    std::vector<Paragraphs> m_changed;
    int m_revision = 0;
};

} // namespace calmdesk
