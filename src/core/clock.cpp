// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/clock.h"

namespace calmdesk {

Clock systemClock()
{
    return [] {
        return QDateTime::currentDateTime();
    };
}

} // namespace calmdesk
