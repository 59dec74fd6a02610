// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace calmdesk {

// How the status line presents the current document, decided from its state alone.

// The file label's caption: the file name without its folder, or "(untitled)".
QString fileLabelCaption(const QString &curFile);
// The file label's hint: the full path, empty for an untitled document.
QString fileLabelHint(const QString &curFile);

// Which items of the file menu can be chosen; the others are always enabled.
struct FileMenuEnabling
{
    bool save = false;
    bool closeFile = false;
    bool reloadFile = false;
    bool folder = false;

    friend bool operator==(const FileMenuEnabling &, const FileMenuEnabling &) = default;
};

// Save only with unsaved changes; Close File, Reload File and Open Containing Folder
// only for a named document. Reload stays enabled for a saved document too: another
// program may have changed the file since it was opened.
FileMenuEnabling fileMenuEnabling(const QString &curFile, bool isSaved);

} // namespace calmdesk
