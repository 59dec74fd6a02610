// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace calmdesk {

// True when the process at the other end of a connected local socket runs as this user.
// The private folder already keeps others out; this is the second line.
bool isSameUserPeer(qintptr socketDescriptor);

} // namespace calmdesk
