// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "goals/textcounts.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace calmdesk {

// The status line's counts of a text kept per paragraph, so that an edit recounts
// only the paragraphs it touched. The totals are exactly those of countText() on the
// paragraphs joined by CR LF. A text always has at least one paragraph (an empty text
// is one empty paragraph).
class ParagraphCounter
{
public:
    ParagraphCounter();

    // Starts over with `text` (any of CR LF, CR and LF are breaks).
    void setText(const QString &text);
    // Replaces `removed` paragraphs from `first` by `paragraphs` (each without breaks).
    // Returns whether the text changed. The result must keep at least one paragraph.
    bool replaceParagraphs(int first, int removed, const QStringList &paragraphs);

    int paragraphCount() const { return int(m_paragraphs.size()); }
    // The paragraphs joined by CR LF.
    QString text() const;

    TextCounts counts() const;

private:
    struct Paragraph
    {
        QString text;
        ParagraphFigures figures;
    };

    bool isEmptyBetweenBreaks(int index) const;
    // Doubled breaks (pairs of breaks around an empty paragraph) among the paragraphs
    // lo..hi, which must be bounded by paragraphs that end any run of empty ones.
    quint64 doubledBreaksIn(int lo, int hi) const;
    void add(const Paragraph &paragraph, int sign);

    std::vector<Paragraph> m_paragraphs;
    quint64 m_words = 0;
    quint64 m_solidChars = 0;
    quint64 m_characters = 0;
    quint64 m_doubledBreaks = 0;
};

} // namespace calmdesk
