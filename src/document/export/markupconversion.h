// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/richtext/richtext.h"

#include <QString>

namespace calmdesk {

// What Ctrl+B, Ctrl+I and Ctrl+U write (the formats setting): 0 nothing, 1 HTML tags
// ("<b>" … "</b>"), 2 bracket tags ("[b]" … "[/b]").
enum class TagStyle { None = 0, Html = 1, Brackets = 2 };

// The text with its tags turned into formatting, for rich text. Every character starts
// in `base`. Tags of any letter case count (HTML tags only with TagStyle::Html). The tags
// are taken in the order b, u, i; for each, the first opening tag pairs with the next
// closing tag after it and the text between takes the style; an opening tag without a
// closing one is dropped, and every later opening tag of that letter stays as written.
RichText richTextFromTags(const QString &text, TagStyle style, const RichFormat &base);

// The text as HTML paragraphs: bracket tags (any case) become HTML tags, every line a
// paragraph, the line ends kept. Nothing else is escaped: HTML typed in the text takes
// effect.
struct HtmlText
{
    QString html;
    // The line end the conversion put between paragraphs: CR LF when the text holds one,
    // else CR when it holds one, else LF.
    QString lineEnd;
};
HtmlText htmlFromTags(const QString &text, TagStyle style);

// A complete page around converted text: its title, the document's font, UTF-8 declared.
QString htmlPage(const HtmlText &body, const QString &title, const QString &fontFamily,
                 int fontSize);

} // namespace calmdesk
