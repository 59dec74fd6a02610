// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text/widgetbreaks.h"

namespace calmdesk::widgetbreaks {

namespace {

constexpr char16_t CarriageReturn = u'\r';
constexpr char16_t LineFeed = u'\n';

// Qt's text document starts a new paragraph at these too.
constexpr char16_t FrameStart = 0xFDD0;
constexpr char16_t FrameEnd = 0xFDD1;

bool isWidgetSeparator(char16_t c)
{
    return c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == LineFeed;
}

bool isBreakOnInput(char16_t c)
{
    return c == CarriageReturn || c == FrameStart || c == FrameEnd || isWidgetSeparator(c);
}

} // namespace

QString toWidgetBreaks(const QString &text)
{
    if (!containsBreak(text))
        return text;
    QString result;
    result.reserve(text.size());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == CarriageReturn) {
            if (i + 1 < size && text.at(i + 1).unicode() == LineFeed)
                ++i;
            result.append(QChar(LineFeed));
        } else if (isBreakOnInput(c)) {
            result.append(QChar(LineFeed));
        } else {
            result.append(QChar(c));
        }
    }
    return result;
}

QString toCanonicalBreaks(const QString &widgetText)
{
    qsizetype breaks = 0;
    for (const QChar c : widgetText)
        breaks += isWidgetSeparator(c.unicode()) ? 1 : 0;
    if (breaks == 0)
        return widgetText;
    QString result;
    result.reserve(widgetText.size() + breaks);
    for (const QChar c : widgetText) {
        if (isWidgetSeparator(c.unicode())) {
            result.append(QChar(CarriageReturn));
            result.append(QChar(LineFeed));
        } else {
            result.append(c);
        }
    }
    return result;
}

bool containsBreak(const QString &text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (isBreakOnInput(u))
            return true;
    }
    return false;
}

} // namespace calmdesk::widgetbreaks
