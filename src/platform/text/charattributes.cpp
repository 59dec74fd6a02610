// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text/charattributes.h"

#include <QFont>
#include <QTextCharFormat>

namespace calmdesk {

namespace {

QTextCharFormat::UnderlineStyle toQtUnderline(UnderlineStyle style)
{
    switch (style) {
    case UnderlineStyle::Single:
        return QTextCharFormat::SingleUnderline;
    case UnderlineStyle::Dotted:
        return QTextCharFormat::DotLine;
    case UnderlineStyle::None:
        break;
    }
    return QTextCharFormat::NoUnderline;
}

UnderlineStyle fromQtUnderline(QTextCharFormat::UnderlineStyle style)
{
    switch (style) {
    case QTextCharFormat::NoUnderline:
        return UnderlineStyle::None;
    case QTextCharFormat::DotLine:
        return UnderlineStyle::Dotted;
    default:
        return UnderlineStyle::Single;
    }
}

} // namespace

QTextCharFormat CharAttributes::toFormat() const
{
    QTextCharFormat format;
    if (family)
        format.setFontFamilies({*family});
    if (pointSize)
        format.setFontPointSize(*pointSize);
    if (colour)
        format.setForeground(*colour);
    if (background)
        format.setBackground(*background);
    if (bold)
        format.setFontWeight(*bold ? QFont::Bold : QFont::Normal);
    if (italic)
        format.setFontItalic(*italic);
    if (underline)
        format.setUnderlineStyle(toQtUnderline(*underline));
    if (strikeOut)
        format.setFontStrikeOut(*strikeOut);
    return format;
}

CharAttributes CharAttributes::fromFormat(const QTextCharFormat &format, const QFont &defaultFont,
                                          const QColor &textColour, const QColor &backgroundColour)
{
    const QFont font = format.font().resolve(defaultFont);
    CharAttributes attributes;
    attributes.family = font.family();
    attributes.pointSize = font.pointSizeF();
    attributes.colour =
        format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color() : textColour;
    attributes.background = format.hasProperty(QTextFormat::BackgroundBrush)
                                ? format.background().color()
                                : backgroundColour;
    attributes.bold = font.bold();
    attributes.italic = font.italic();
    // Text with one look for all has the underline in its font.
    attributes.underline = format.hasProperty(QTextFormat::TextUnderlineStyle)
                               ? fromQtUnderline(format.underlineStyle())
                               : (font.underline() ? UnderlineStyle::Single : UnderlineStyle::None);
    attributes.strikeOut = font.strikeOut();
    return attributes;
}

} // namespace calmdesk
