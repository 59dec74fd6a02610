#pragma once

#include "settings/settings.h"

#include <QLatin1String>

#include <span>

namespace calmdesk {

// One value of the general key: its name, where it lives in Settings, and how a loaded
// value is corrected. Declared once (settingstable.cpp) and read by the loader, the
// writer and the profiles alike.
struct GeneralValue
{
    enum class Kind { Number, Text };

    QLatin1String name;
    Kind kind;
    int Settings::*number = nullptr;
    QString Settings::*text = nullptr;
    // Applied to a number just read from the store; null when any value is accepted.
    int (*correctLoaded)(int) = nullptr;
    // The alarm values are written for the options dialog but never read back: the
    // alarm is off after every start.
    bool loaded = true;
};

// The values updateSettings writes, in the order it writes them. alarmhh, alarmmm and
// perpage come after the two lists (see trailingGeneralValues).
std::span<const GeneralValue> leadingGeneralValues();
std::span<const GeneralValue> trailingGeneralValues();

// Colours are kept as red + 256 * green + 65536 * blue.
int colorValue(int red, int green, int blue);

} // namespace calmdesk
