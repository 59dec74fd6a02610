// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace calmdesk {

// A document's writing goals and deadline, as the options set them and the status line
// compares against them; 0 means not set.
struct DocumentLimits
{
    int limchar = 0;
    int limword = 0;
    int limpara = 0;
    int limpage = 0;
    int deadlineDay = 0;
    int deadlineMonth = 0;
    int deadlineYear = 0;

    friend bool operator==(const DocumentLimits &, const DocumentLimits &) = default;
};

} // namespace calmdesk
