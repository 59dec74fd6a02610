// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>

namespace calmdesk {

// The desktop's monitors as the layout counts them: the primary screen first (monitor 0),
// then the others in the desktop's order.
QList<QRect> screenGeometries();

} // namespace calmdesk
