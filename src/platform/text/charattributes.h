// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

#include <optional>

class QFont;
class QTextCharFormat;

namespace calmdesk {

enum class UnderlineStyle {
    None,
    Single,
    // The style of the spelling marks.
    Dotted,
};

// Where a character or paragraph format applies.
enum class FormatScope {
    // The selected text; with nothing selected, the text typed next at the caret.
    Selection,
    // All text, and the text typed or set later.
    AllText,
};

// Character attributes: to set, only the fields that hold a value change; read at
// the caret, every field holds a value.
struct CharAttributes
{
    std::optional<QString> family;
    std::optional<qreal> pointSize;
    std::optional<QColor> colour;
    std::optional<QColor> background;
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<UnderlineStyle> underline;
    std::optional<bool> strikeOut;

    // The format carrying exactly the attributes that hold a value.
    QTextCharFormat toFormat() const;
    // Every attribute as the format shows it; what the format leaves open reads as
    // the given defaults.
    static CharAttributes fromFormat(const QTextCharFormat &format, const QFont &defaultFont,
                                     const QColor &textColour, const QColor &backgroundColour);
};

} // namespace calmdesk
