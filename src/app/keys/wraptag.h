// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settings.h"

#include <QString>

#include <optional>

namespace calmdesk {

class TextControl;

// The open and close tags of `tag` in a style: "<b>" and "</b>", or "[b]" and "[/b]".
QString openTag(const QString &tag, MarkupStyle style);
QString closeTag(const QString &tag, MarkupStyle style);

// One replacement in the text, in canonical positions, and the selection after it.
struct TextReplacement
{
    int start = 0;
    int length = 0;
    QString text;
    int newSelStart = 0;
    int newSelLength = 0;
};

// The markup toggle over a text and its selection:
// - a selection standing directly between the open and close tag is widened over them;
// - a selection that holds neither tag is wrapped in the pair;
// - a selection that holds either tag loses every open and then every close tag;
// - no selection gets an empty pair with the caret between the tags.
// The replaced text stays selected, so pressing the key again toggles back. Nothing for
// MarkupStyle::None.
std::optional<TextReplacement> wrapTag(const QString &text, int selStart, int selLength,
                                       const QString &tag, MarkupStyle style);

// wrapTag on the control's text and selection, made as one edit.
void applyWrapTag(TextControl &control, const QString &tag, MarkupStyle style);

} // namespace calmdesk
