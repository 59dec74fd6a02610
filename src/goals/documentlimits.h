// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/documentlimitvalues.h"

#include <QString>

namespace calmdesk {

class SettingsStore;

// The key under `root` that holds the limits of every document.
QString limitsKey(const QString &root);

// The start of a document's value names: its path with every backslash and colon
// made a hyphen. An untitled document (empty path) has an empty prefix.
QString limitValuePrefix(const QString &path);

// The limits stored for the document at `path` ("" for untitled); missing values and
// values that are not decimal text read as 0.
DocumentLimits readLimits(const SettingsStore &store, const QString &root, const QString &path);

// Replaces the stored limits of the document at `path` by `limits`: every value is
// deleted, then those above 0 are written. Returns false when a write failed.
bool writeLimits(SettingsStore &store, const QString &root, const QString &path,
                 const DocumentLimits &limits);

} // namespace calmdesk
