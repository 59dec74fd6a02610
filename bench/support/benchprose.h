// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace calmdesk::bench {

// A document of `words` words: paragraphs of varied length, one in four followed by a
// blank line, some words with punctuation, apostrophes and accents; CR LF breaks.
// The same words always give the same text.
QString generateProse(int words);

} // namespace calmdesk::bench
