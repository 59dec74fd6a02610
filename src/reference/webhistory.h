// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace calmdesk {

// The document's list of visited web pages and what the history menu does to it. Entries
// are plain strings: those added by a visit are lower-case addresses over HTTP or HTTPS,
// each once, in the order first visited; the menu may add or edit anything.

// A visited address: recorded lower-cased when it is a web page not yet in the list.
// True when it was added.
bool addToHistory(QStringList &entries, const QString &address);

// The host part of an address: "https://example.org:8080/a/b" and "example.org:8080/a"
// both give "example.org:8080"; an entry without "//" and "/" is its own host.
QString urlHost(const QString &address);

// Deletes, one after another, every entry containing `host` (case-sensitive).
void removeEntriesOf(QStringList &entries, const QString &host);

// Of entries that contain one another, keeps the contained one: a site's start address
// removes the addresses of its pages.
void removeContainingDuplicates(QStringList &entries);

// "http://" in front of an entry that neither begins with "http" nor holds "://". True
// when it changed.
bool addHttpPrefix(QString &entry);

// Alphabetical, ignoring letter case, as a sorted list box orders its lines.
void sortHistory(QStringList &entries);

} // namespace calmdesk
