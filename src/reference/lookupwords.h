#pragma once

#include <QString>

namespace calmdesk {

// The word around the caret (`caret` characters before it) that Alt+click and "Search
// References..." look up: letters and digits only.
QString lookupWordAt(const QString &text, int caret);
// The blank-delimited token around the caret in a result page: an address when it starts
// with "http://", else empty.
QString addressAt(const QString &text, int caret);
// The related topic whose line ("http://…/Topic") holds the caret, all of it even when it
// has blanks (a click anywhere on the line looks it up); empty on any other line.
QString topicAt(const QString &text, int caret);

} // namespace calmdesk
