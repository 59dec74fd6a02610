// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/export/exportfile.h"

namespace calmdesk {

struct Settings;

// What an export of `text` reads from the settings: the tag style (formats) and the
// document's font (txtfont, txtsize, txtbold, txtital); the title is the file label's
// caption for `curFile`.
ExportSource exportSource(const Settings &settings, const QString &text, const QString &curFile);

} // namespace calmdesk
