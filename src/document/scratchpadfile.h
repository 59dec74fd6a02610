// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace calmdesk {

// The rich notes kept in a file of their own: the global "Scratchpad.rtf" in the diary
// folder, and a document's "-Scratchpad.rtf" companion.

// The file's bytes; an empty array when there is no file; nothing when it exists but
// cannot be read.
std::optional<QByteArray> readScratchpadFile(const QString &path);
// Notes with text are written (atomically); blank notes remove the file when `removeWhenBlank`
// (a document's companion), else are written too (the global notes). False on failure.
bool writeScratchpadFile(const QString &path, const QByteArray &rtf, bool blank,
                         bool removeWhenBlank);
// The global notes' file in `diaryDir`.
QString globalScratchpadPath(const QString &diaryDir);

} // namespace calmdesk
