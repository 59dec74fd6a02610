// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "goals/statuslabel.h"

#include <QWidget>

namespace calmdesk::test {

// A label of the status line found by its object name (lblWord, lblFile, ...), as a test
// looks at what the writer sees. `widget` is the panel or any widget holding it.
inline StatusLabel *statusLabel(const QWidget *widget, const char *objectName)
{
    return widget->findChild<StatusLabel *>(QLatin1String(objectName));
}

} // namespace calmdesk::test
