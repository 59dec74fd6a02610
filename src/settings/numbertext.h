// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace calmdesk {

// The number a dialog field starts with: the trimmed text's leading run of digits and
// dots. A text that starts with anything else (or is empty) gives 0. A run that is no
// whole number ("12.5", or too large for an int) gives `fallback`, so a slip of the
// finger keeps the value the field had.
int leadingNumber(const QString &text, int fallback = 0);

// The text cut to `n` characters by an ellipsis in the middle, when it is longer.
QString shortenMiddle(const QString &text, int n);

} // namespace calmdesk
