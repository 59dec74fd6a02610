// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace calmdesk {

// Everything main() does: console commands without a display, or the editor.
int runProgram(int argc, char **argv);

} // namespace calmdesk
