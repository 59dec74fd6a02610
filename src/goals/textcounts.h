// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace calmdesk {

// The figures the status line shows for a text.
struct TextCounts
{
    quint32 words = 0;
    // Characters other than spaces, the seven word-separating punctuation marks and
    // line breaks.
    quint32 solidChars = 0;
    // Characters without the line breaks.
    quint32 characters = 0;
    // Every line break starts a paragraph, except one that follows an empty line.
    quint32 paragraphBreaks = 0;

    friend bool operator==(const TextCounts &, const TextCounts &) = default;
};

// A character here is a Unicode code point: a surrogate pair counts once, in the
// characters as in the solid characters and in the one-character word rule.

// Words of `text` by the status line's rules: the separators . , ; : ! ? " CR LF and
// the space split it; every piece, trimmed of codes 0 to 32, is a word when it is at
// least two characters long, or one ASCII letter or digit. `solidChars` receives the
// solid character count.
quint32 countWords(const QString &text, quint32 *solidChars = nullptr);

// Every figure of `text` recounted from scratch. The break is CR LF when the text holds
// a CR, else LF.
TextCounts countText(const QString &text);

// Figures of one paragraph (text without line breaks); they add up over paragraphs.
struct ParagraphFigures
{
    quint32 words = 0;
    quint32 solidChars = 0;
    quint32 characters = 0;

    bool isEmpty() const { return characters == 0; }
    friend bool operator==(const ParagraphFigures &, const ParagraphFigures &) = default;
};

// One pass over a paragraph, with the same results as countWords() on it.
ParagraphFigures countParagraph(QStringView paragraph);

// Code points of `text`.
qsizetype characterCount(QStringView text);

} // namespace calmdesk
