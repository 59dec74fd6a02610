// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/codec/documentcodec.h"
#include "platform/text/paragraphmirror.h"

#include <algorithm>
#include <vector>

namespace calmdesk {

// The text control carries what ended each paragraph in its file as the paragraph's tag.

inline std::vector<ParagraphMirror::Tag> tagsOf(const std::vector<ParagraphEnd> &ends)
{
    std::vector<ParagraphMirror::Tag> tags(ends.size());
    std::transform(ends.begin(), ends.end(), tags.begin(),
                   [](ParagraphEnd end) { return ParagraphMirror::Tag(end); });
    return tags;
}

inline std::vector<ParagraphEnd> endsOf(const std::vector<ParagraphMirror::Tag> &tags)
{
    std::vector<ParagraphEnd> ends(tags.size());
    std::transform(tags.begin(), tags.end(), ends.begin(),
                   [](ParagraphMirror::Tag tag) { return ParagraphEnd(tag); });
    return ends;
}

} // namespace calmdesk
