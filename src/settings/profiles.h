// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace calmdesk {

class SettingsStore;

// Named copies of the three settings keys (general, the auto-correct rules and the
// auto-text words), kept under <root>\Profiles\<name>. The recent files, the documents'
// limits, the look-up sources and the profiles themselves are never part of one, and a
// reset keeps them.

// The name as typed, trimmed, without \ / : * ? " and ' ("my:profile" is "myprofile").
// Empty: no name.
QString cleanProfileName(const QString &typed);

// The root a profile's keys live under.
QString profileRoot(const QString &root, const QString &name);

// The stored profiles' names, trimmed, blank ones left out. Makes the Profiles key when
// it is missing.
QStringList profileNames(SettingsStore &store, const QString &root);

// The name of the profile saved last ("profname"), trimmed; and setting it.
QString lastProfileName(const SettingsStore &store, const QString &root);
void setLastProfileName(SettingsStore &store, const QString &root, const QString &name);

// Replaces the live keys by copies of the profile's. False, changing nothing, when the
// profile has no auto-text key (a profile saved with an empty word list has none).
bool useProfile(SettingsStore &store, const QString &root, const QString &name);

// Deletes the live keys: the next load gives every value its default.
void resetToDefaults(SettingsStore &store, const QString &root);

} // namespace calmdesk
