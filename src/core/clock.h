// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

#include <functional>

namespace calmdesk {

// Where "now" comes from for what the writer sees dated (the date commands, the diary's
// today); tests put a clock of their own in its place.
using Clock = std::function<QDateTime()>;
// The local date and time now.
Clock systemClock();

} // namespace calmdesk
