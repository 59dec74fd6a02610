// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace calmdesk::storepath {

inline constexpr QChar kSeparator = QLatin1Char('\\');

// The names along a key path, without the empty ones that doubled, leading or
// trailing backslashes make.
QStringList components(const QString &keyPath);

// The path written the one way the store compares it: components joined by single
// backslashes, letter case folded. "" is the root.
QString folded(const QString &keyPath);

// A value or key name folded for comparison.
QString foldedName(const QString &name);

} // namespace calmdesk::storepath
