// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <utility>

namespace calmdesk {

// The word around the caret (`caret` characters before it) that Alt+click and "Search
// References..." look up: letters and digits only.
QString lookupWordAt(const QString &text, int caret);
// What "Search References..." looks up: the letters and digits of the selection, or, when
// it holds none, the word around the caret (`wholeText` is read only then).
QString lookupWordFor(const QString &selected, const std::function<QString()> &wholeText,
                      int caret);
// The blank-delimited token around the caret in a result page: an address when it starts
// with "http://", else empty.
QString addressAt(const QString &text, int caret);
// The related topic whose line ("http://…/Topic") holds the caret, all of it even when it
// has blanks (a click anywhere on the line looks it up); empty on any other line.
QString topicAt(const QString &text, int caret);

// Where a result line shows addresses, as (start, length) pairs: a related topic's whole
// line, else each blank-delimited token starting with "http://". A click on any of them
// acts, so they are drawn as links.
QList<std::pair<int, int>> addressSpans(const QString &line);

} // namespace calmdesk
