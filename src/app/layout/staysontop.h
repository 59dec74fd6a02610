// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace calmdesk {

// Puts a window into or out of the band that stays above other windows, where it stands:
// the native window is kept, so a full-screen editor neither flashes nor moves.
void setStaysOnTop(QWidget *window, bool onTop);

} // namespace calmdesk
