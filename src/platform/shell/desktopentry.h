// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace calmdesk::desktopentry {

// Helpers for freedesktop.org desktop entry files (the autostart entry and the
// application entry): the Exec quoting rules and the key file's string escapes.

// One literal argument of an Exec line, always in double quotes: '"', '`', '$' and '\'
// get a backslash, '%' is doubled. The result still needs escapeValue() for the file.
QString quoteExecArgument(const QString &argument);

// The key file's escapes for a string value: "\\", "\n", "\t", "\r", and "\s" for a
// leading space.
QString escapeValue(const QString &value);
QString unescapeValue(const QString &rawValue);

// The arguments of an Exec value as written in the file (escapes not yet undone). Field
// codes such as %f are dropped and "%%" becomes "%". Lenient: an unterminated quote
// runs to the end.
QStringList splitExecValue(const QString &rawValue);

// The raw value of `key` in `[group]`, or a null string when there is none. Localised
// variants ("Name[de]") are different keys.
QString readRawValue(const QString &contents, const QString &group, const QString &key);

} // namespace calmdesk::desktopentry
