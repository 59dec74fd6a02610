// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace calmdesk {

// The program's registrations with the desktop, all per user and all plain files:
// start with the session (an XDG autostart entry) and default program for plain text
// (an application entry plus mimeapps.list).
class DesktopIntegration
{
public:
    // Folders from QStandardPaths ($XDG_CONFIG_HOME and $XDG_DATA_HOME).
    DesktopIntegration();
    DesktopIntegration(const QString &configHome, const QString &dataHome);

    // The start-with-the-system command in the form the options use: the program's path in
    // double quotes, then " /auto" when it starts minimised. Empty when there is no entry
    // or the entry is switched off.
    QString readAutostartCommand() const;
    bool writeAutostartCommand(const QString &programPath, bool minimized);
    // True when no entry is left afterwards.
    bool removeAutostartEntry();

    // Writes the application entry and puts it first for text/plain in mimeapps.list.
    bool makeDefaultForPlainText(const QString &programPath);
    bool isDefaultForPlainText() const;

    QString autostartEntryPath() const;
    QString applicationEntryPath() const;
    QString mimeAppsListPath() const;

private:
    QString m_configHome;
    QString m_dataHome;
};

} // namespace calmdesk
