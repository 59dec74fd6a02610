// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace calmdesk {

// Makes `folder` exist, creating every missing folder on its path (a fresh user may not
// have even ~/.local/share yet). The folders it creates are the user's alone, as the XDG
// base directory rules ask; folders that exist are left as they are. True when the folder
// exists afterwards.
bool makeFolderPath(const QString &folder);

// The folder with a separator at its end, added only when it has none.
QString withTrailingSeparator(const QString &folder);

} // namespace calmdesk
