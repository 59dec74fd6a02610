// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace calmdesk {

// Makes sure `path` is a real folder (not a link) owned by this user and closed to
// everyone else, creating it when missing. False when it cannot be made so.
bool ensurePrivateFolder(const QString &path);

// The per-user folder for the instance lock and socket: $XDG_RUNTIME_DIR, or a folder of
// our own in the temp dir when there is none. Empty when neither can be made private.
QString privateRuntimeFolder();

} // namespace calmdesk
