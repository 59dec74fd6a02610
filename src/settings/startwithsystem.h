// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace calmdesk {

class DesktopIntegration;

// Starts the editor with the desktop session (minimised to the tray when asked), or
// stops doing so. The options read it back from the same entry.
bool applyStartWithSystem(DesktopIntegration &desktop, bool startWithSystem, bool startMinimized,
                          const QString &programPath);

// What the options dialog shows: "Start with Windows" and "Start Minimized".
struct StartWithSystemState
{
    bool startWithSystem = false;
    bool startMinimized = false;
};
StartWithSystemState readStartWithSystem(const DesktopIntegration &desktop);

} // namespace calmdesk
