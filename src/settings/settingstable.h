// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settings.h"

#include <QLatin1String>

#include <functional>
#include <span>

namespace calmdesk {

// One value of the general key, declared once in settingstable.cpp: its name, how the
// program reads it from the store (with the corrections a load makes), how it is stored,
// and what a fresh user has. loadSettings, updateSettings and a Settings made fresh go
// through these rows, and the options dialog and the profiles are to use them too.
struct SettingRow
{
    QLatin1String name;
    // Sets the setting from the value's stored text ("" when the value is absent),
    // corrected as a load corrects it. `dataHome` is the folder under which the default
    // diary folder is made.
    std::function<void(Settings &, const QString &stored, const QString &dataHome)> load;
    // The setting as the text the store keeps.
    std::function<QString(const Settings &)> store;
    // Gives the setting a fresh user's value.
    std::function<void(Settings &)> reset;
    // alarmhh and alarmmm are stored for the options dialog but never read back: the
    // alarm is off after every start.
    bool loaded = true;
};

// The rows in the order updateSettings writes them: the first group before the two lists,
// the second (alarmhh, alarmmm, perpage) after them.
std::span<const SettingRow> leadingSettingRows();
std::span<const SettingRow> trailingSettingRows();

// The corrections a load makes between values, once every value has been read: a text
// colour equal to the background (both absent, too) gives orange text on black.
void correctLoadedPair(Settings &settings);

// A fresh user's settings, made once.
const Settings &defaultSettings();

// The default diary folder, "Calmdesk/Diary" under `dataHome`, created with its parents
// when missing (failures are ignored: later file operations there report their own).
QString defaultDiaryFolder(const QString &dataHome);

// --- the options dialog's side, and readings other parts share ---

// The text column's width in per cent: 10 to 100 stays, anything else is 90. A load does
// not check the stored width; the dialog stores the corrected value, and the layout lays
// out a stored width outside the range at 90.
int widthInRange(int width);
// The width the dialog stores for its width field (leadingNumber; a field that holds no
// whole number keeps `previous`), corrected by widthInRange.
int widthFromDialog(const QString &field, int previous);
// The pause the dialog stores for a position of its list of "1" to "59" seconds: the
// position + 1, where anything outside 1 to 59 (nothing chosen) is 20, as at a load.
int cronPauseFromDialog(int position);
// The list position the dialog shows for a pause (corrected likewise).
int cronPauseDialogPosition(int seconds);
// The lines per page the dialog stores for its field, as typed (leadingNumber; a field
// that holds no whole number keeps `previous`). A load makes anything below 2 into 24.
int perpageFromDialog(const QString &field, int previous);

// Colours are stored as red + 256 * green + 65536 * blue.
int colorValue(const QColor &colour);
QColor colorFromValue(int value);

} // namespace calmdesk
