// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/keys/wraptag.h"

#include "core/asciitext.h"
#include "platform/text/textcontrol.h"

namespace calmdesk {

QString openTag(const QString &tag, MarkupStyle style)
{
    switch (style) {
    case MarkupStyle::Html:
        return QLatin1Char('<') + tag + QLatin1Char('>');
    case MarkupStyle::BBCode:
        return QLatin1Char('[') + tag + QLatin1Char(']');
    case MarkupStyle::None:
        break;
    }
    return QString();
}

QString closeTag(const QString &tag, MarkupStyle style)
{
    switch (style) {
    case MarkupStyle::Html:
        return QLatin1String("</") + tag + QLatin1Char('>');
    case MarkupStyle::BBCode:
        return QLatin1String("[/") + tag + QLatin1Char(']');
    case MarkupStyle::None:
        break;
    }
    return QString();
}

std::optional<TextReplacement> wrapTag(const QString &text, int selStart, int selLength,
                                       const QString &tag, MarkupStyle style)
{
    if (style == MarkupStyle::None)
        return std::nullopt;
    const QString open = openTag(tag, style);
    const QString close = closeTag(tag, style);
    int start = selStart;
    int length = selLength;

    // Tags written in capitals around the selection count as well.
    if (start >= open.size() && start + close.size() <= text.size()) {
        const bool openBefore = asciiLower(text.mid(start - open.size(), open.size())) == open;
        const bool closeAfter =
            asciiLower(text.mid(start + length, close.size())) == asciiLower(close);
        if (openBefore && closeAfter) {
            start -= open.size();
            length += open.size() + close.size();
        }
    }

    TextReplacement edit;
    edit.start = start;
    edit.length = length;
    if (length == 0) {
        edit.text = open + close;
        edit.newSelStart = start + open.size();
        return edit;
    }
    QString selected = text.mid(start, length);
    if (!selected.contains(open) && !selected.contains(close)) {
        selected = open + selected + close;
    } else {
        selected.remove(open);
        selected.remove(close);
    }
    edit.text = selected;
    edit.newSelStart = start;
    edit.newSelLength = selected.size();
    return edit;
}

void applyWrapTag(TextControl &control, const QString &tag, MarkupStyle style)
{
    const std::optional<TextReplacement> edit =
        wrapTag(control.text(), control.selStart(), control.selLength(), tag, style);
    if (!edit)
        return;
    control.select(edit->start, edit->length);
    control.replaceSelection(edit->text);
    control.select(edit->newSelStart, edit->newSelLength);
}

} // namespace calmdesk
