// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextBlock>

class QTextDocument;

namespace calmdesk::positionmap {

// Canonical positions count a line break as two characters (CR LF); the widget's
// positions count it as one. Block (paragraph) numbers give the number of breaks
// before a position, so both directions cost a few logarithmic block look-ups.

// Length of the canonical text of the document.
int canonicalLength(const QTextDocument &document);

// The canonical position of a widget position.
int toCanonical(const QTextDocument &document, int widgetPosition);

// The widget position of a canonical one, clamped to the text; a position between
// the CR and the LF of a break maps to the end of that line.
int toWidget(const QTextDocument &document, int canonicalPosition);

// toWidget for positions asked in ascending order (the starts and ends of sorted
// ranges): it walks forward from paragraph to paragraph, so many positions cost one
// pass over the paragraphs instead of a search each.
class ForwardToWidget
{
public:
    explicit ForwardToWidget(const QTextDocument &document);
    int operator()(int canonicalPosition);

private:
    QTextBlock m_block;
    int m_widgetStart = 0;
    int m_canonicalStart = 0;
};

} // namespace calmdesk::positionmap
