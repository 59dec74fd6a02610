// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace calmdesk {

// The program's name as the desktop shows it, and its version.
inline QString programName()
{
    return QStringLiteral("Calmdesk");
}
inline QString programVersion()
{
    return QStringLiteral("1.12");
}

} // namespace calmdesk
