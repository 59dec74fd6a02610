// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reference/referencesources.h"

#include <QColor>
#include <QString>

#include <vector>

namespace calmdesk {

// One paragraph of a look-up's result, with the look it is shown in.
struct LookupLine
{
    QString text;
    int pointSize = 5;
    QColor colour = Qt::black;
    bool bold = false;
    bool italic = false;
    int indent = 0; // first-line indent in points
};

using LookupPage = std::vector<LookupLine>;

// What the result control shows while the page downloads.
LookupPage searchingPage(const QString &word);
// The result for a downloaded page (ASCII, trimmed): the word, up to three sections cut out
// of the page and cleaned, the related topics, the source's address and the web searches;
// or the "Not found" page when the page is empty or says the source has no entry.
LookupPage resultPage(const QString &page, const ReferenceSource &source, const QString &word,
                      const QString &url);

// The cleaning of the page's HTML into text. Each ends on every input.
QString stripTags(const QString &text);
QString removeSpans(const QString &text, const QString &start, const QString &end);
QString decodePercent(const QString &text);

// The prefix of a related topic's line: looking it up again is what a click on it does.
QString topicLinkPrefix();

} // namespace calmdesk
