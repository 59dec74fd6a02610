// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settings.h"

#include <functional>

namespace calmdesk {

class SettingsStore;

// Reads the settings under `root` (normally settingsRoot()) through the settings table,
// with every default and correction. `dataHome` is the folder under which the default
// diary folder "Calmdesk/Diary" is made when the stored one is missing or gone.
Settings loadSettings(const SettingsStore &store, const QString &root, const QString &dataHome);

// Writes `settings` under `root` as one transaction: the general values in their order,
// all 2,049 auto-correct and auto-text slots (empty ones deleted, so nothing stale stays
// above a list's end), `writeLimits` (the current document's limits), then the alarm and
// page values. Returns false, and leaves the store as it was, when the write fails.
bool updateSettings(SettingsStore &store, const QString &root, const Settings &settings,
                    const std::function<void(SettingsStore &)> &writeLimits = {});

// The general key under a root, and the two list keys.
QString generalKey(const QString &root);
QString autocorrectKey(const QString &root);
QString autotextKey(const QString &root);

} // namespace calmdesk
