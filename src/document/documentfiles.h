// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace calmdesk {

// The companion file of a document: everything from the last "." of the file name
// (never of a folder name) is replaced by `suffix`; a name without "." gets it appended.
QString companionPath(const QString &documentPath, const QString &suffix);

// "story.txt" -> "story-Scratchpad.rtf" and "story-References.txt", beside the document.
QString scratchpadCompanion(const QString &documentPath);
QString referencesCompanion(const QString &documentPath);

// The file name part of a path ("(untitled)" is the caller's business).
QString fileNameOf(const QString &path);

// The newest file matching `mask` in `folder` (which ends in a separator), by
// modification time; of files with equal times the first listed wins. Empty when none.
QString findNewestFile(const QString &folder, const QString &mask);

// Creates an empty file when none exists. False when it cannot be created.
bool createFileIfMissing(const QString &path);

} // namespace calmdesk
