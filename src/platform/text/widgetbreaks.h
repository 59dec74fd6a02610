// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace calmdesk::widgetbreaks {

// The program's canonical text has CR LF line breaks; the editing widget keeps one
// separator character per break. These convert between the two.

// Every CR LF, lone CR, lone LF, U+2028 and U+2029 becomes one LF: the form in which
// text is inserted into the widget (each LF starts a new paragraph there). So do U+FDD0
// and U+FDD1, where Qt's document would start a paragraph of its own accord.
QString toWidgetBreaks(const QString &text);

// Every paragraph or line separator the widget reports (U+2029, U+2028, LF) becomes CR LF.
QString toCanonicalBreaks(const QString &widgetText);

// True when the text holds any character that toWidgetBreaks would turn into a break.
bool containsBreak(const QString &text);

} // namespace calmdesk::widgetbreaks
