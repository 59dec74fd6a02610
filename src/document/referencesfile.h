// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/codec/textfiletypes.h"

#include <QStringList>

namespace calmdesk {

// The document's web history travels beside it in "<name>-References.txt", one entry
// per line.

// Entries of a companion's text (line breaks CR LF). A final line break ends the last
// entry rather than starting an empty one; empty lines in between are entries.
QStringList referencesFromText(const QString &canonicalText);
// Each entry followed by a line break.
QString referencesToText(const QStringList &entries);

struct ReferencesRead
{
    bool ok = true;
    QStringList entries;
    // The companion's form on disk, so a save writes it back the same way; a new
    // companion is UTF-8 with LF.
    TextFileFormat format;
};

// The companion of the document at `documentPath`. No companion means no entries; one
// that exists but cannot be read as text is a failure (writing over it would lose it).
ReferencesRead readReferences(const QString &documentPath);

// Writes the entries atomically, or removes the companion when there are none. A
// companion that cannot be removed is left silently: removal is housekeeping, not the
// writer's data. The result's `written` is the format now on disk.
TextSaveResult writeReferences(const QString &documentPath, const QStringList &entries,
                               const TextFileFormat &format);

} // namespace calmdesk
