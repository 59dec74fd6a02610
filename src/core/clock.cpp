#include "core/clock.h"

namespace calmdesk {

Clock systemClock()
{
    return [] {
        return QDateTime::currentDateTime();
    };
}

} // namespace calmdesk
