// SPDX-License-Identifier: GPL-3.0-or-later
#include "goals/statustones.h"

#include "goals/statusreport.h"

namespace calmdesk {

QColor toneColour(LabelTone tone)
{
    switch (tone) {
    case LabelTone::Quiet:
        return {128, 128, 128};
    case LabelTone::NotMet:
        return {192, 192, 192};
    case LabelTone::Met:
        return {0, 255, 0};
    case LabelTone::Overdue:
        return {244, 130, 6};
    case LabelTone::Running:
        return {255, 255, 255};
    case LabelTone::Paused:
        return {255, 0, 0};
    }
    return {192, 192, 192};
}

} // namespace calmdesk
