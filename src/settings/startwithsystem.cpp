// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/startwithsystem.h"

#include "platform/shell/desktopintegration.h"

namespace calmdesk {

bool applyStartWithSystem(DesktopIntegration &desktop, bool startWithSystem, bool startMinimized,
                          const QString &programPath)
{
    if (startWithSystem)
        return desktop.writeAutostartCommand(programPath, startMinimized);
    return desktop.removeAutostartEntry();
}

StartWithSystemState readStartWithSystem(const DesktopIntegration &desktop)
{
    const QString command = desktop.readAutostartCommand();
    return {!command.isEmpty(), command.contains(QLatin1String(" /auto"))};
}

} // namespace calmdesk
