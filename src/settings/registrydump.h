// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace calmdesk {

class SettingsStore;

// The readable text form of (part of) the settings store, in the manner of a .reg
// file: a header line, then one block per key:
//
//   [HKEY_CURRENT_USER\Software\Osmira\v11\Settings\general]
//   @="default value"
//   "width"="90"
//
// Names and data are quoted; inside the quotes a backslash, a double quote and the
// control characters are escaped (\\ \" \n \r \t, others \xHH). On import
// "[-HKEY_CURRENT_USER\key]" deletes a key with its tree and "name"=- a value.
namespace registrydump {

inline constexpr char kHeader[] = "Calmdesk Settings Export 1";
inline constexpr char kHive[] = "HKEY_CURRENT_USER";

// The key with all its values and subkeys; the whole store when key is the root.
QString exportTree(const SettingsStore &store, const QString &key);

// The key path as the store spells it (names keep the case they were created
// with), components joined by single backslashes.
QString storedSpelling(const SettingsStore &store, const QString &key);

QString quoted(const QString &text);

struct Change
{
    enum class Kind { CreateKey, DeleteKey, WriteValue, DeleteValue };
    Kind kind;
    QString key;
    QString name;
    QString data;

    friend bool operator==(const Change &, const Change &) = default;
};

struct Parsed
{
    QList<Change> changes;
    // The 1-based line of the first error, 0 when the text is well formed.
    int errorLine = 0;
    QString error;

    bool ok() const { return errorLine == 0; }
};

// Reads an export; stops at the first malformed line.
Parsed parse(const QString &text);

// Makes all changes as one batch: all or nothing.
bool apply(const QList<Change> &changes, SettingsStore &store);

} // namespace registrydump
} // namespace calmdesk
