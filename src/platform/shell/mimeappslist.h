// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace calmdesk::mimeapps {

// Edits the text of a mimeapps.list file (freedesktop.org MIME applications spec), the
// per-user choice of default programs. Only the one key is touched; every other line,
// comment and group comes back exactly as it was.

// The desktop entries listed for `mimeType` under [Default Applications], in order of
// preference.
QStringList defaultApplications(const QString &contents, const QString &mimeType);

// `contents` with `desktopId` first for `mimeType` under [Default Applications]; entries
// listed before stay behind it as fallbacks. The group is added when missing.
QString withDefaultApplication(const QString &contents, const QString &mimeType,
                               const QString &desktopId);

} // namespace calmdesk::mimeapps
