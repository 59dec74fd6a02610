// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace calmdesk {

// The program's icon, for its windows and the tray. Its size is given, so the picture
// is read only when something first draws it, not while the window is being made.
inline QIcon programIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/calmdesk/calmdesk-256.png"), QSize(256, 256));
    return icon;
}

} // namespace calmdesk
