// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/documentlimitvalues.h"
#include "settings/settings.h"

#include <QColor>
#include <QDate>
#include <QFont>
#include <QString>

#include <functional>
#include <optional>

namespace calmdesk {

class DesktopIntegration;
class MessageBoxes;
class SettingsStore;

// What the options dialog works on and hands back. The window fills it when F9 opens the
// dialog; the platform's font, colour and folder dialogs are seams the tests answer.
struct OptionsContext
{
    SettingsStore &store;
    QString root;
    // The settings variables and the current document's limits as they are now.
    Settings settings;
    DocumentLimits limits;
    QString curFile;
    QDate today;
    DesktopIntegration &desktop;
    QString programPath;
    MessageBoxes &messages;

    // The document's limits as the dialog set them, written to the store (inside the
    // settings' own write, so it runs once per root written).
    std::function<void(const DocumentLimits &)> storeLimits;
    // The new variables shown in the window.
    std::function<void(const Settings &)> apply;
    // The settings read again from the store and shown (after a profile or a reset).
    std::function<void()> reload;

    std::function<QString(const QString &current)> chooseFolder;
    std::function<std::optional<QFont>(const QFont &current)> chooseFont;
    std::function<std::optional<QColor>(const QColor &current)> chooseColour;
};

} // namespace calmdesk
