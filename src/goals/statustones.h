// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

namespace calmdesk {

enum class LabelTone;

// The status line's background, behind the panel and every label.
inline const QColor kStatusBackground(24, 30, 36);

// The font colour of a tone.
QColor toneColour(LabelTone tone);

} // namespace calmdesk
