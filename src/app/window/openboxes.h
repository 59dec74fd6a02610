// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace calmdesk {

// Closes every menu and modal box that is open, as Escape would (a question is answered
// Cancel, a notice OK), so a request to end never waits on a box nobody may be looking
// at. True when there was at least one.
bool dismissOpenBoxes();

} // namespace calmdesk
