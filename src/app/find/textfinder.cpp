// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/find/textfinder.h"

#include "core/asciitext.h"
#include "platform/text/textcontrol.h"

#include <QColor>

#include <algorithm>

namespace calmdesk {

FindFlags FindRequest::flags() const
{
    FindFlags result;
    if (matchCase)
        result |= FindFlag::MatchCase;
    if (wholeWord)
        result |= FindFlag::WholeWord;
    return result;
}

QString TextFinder::matchCountMessage(int count)
{
    if (count == 0)
        return tr("No matches found.");
    if (count == 1)
        return tr("One match found.");
    return tr("%1 matches found.").arg(count);
}

QString TextFinder::helpMessage()
{
    return tr("Press F1 for Help.");
}

int TextFinder::startPosition(const TextControl &text) const
{
    if (text.selLength() > 0)
        return text.selStart() + text.selLength();
    // The caret alone does not count, unless a replacement just left it there.
    if (m_replacedIn == &text && text.selStart() == m_replacedEnd)
        return m_replacedEnd;
    return 0;
}

FindOutcome TextFinder::findOrReplace(TextControl &text, const FindRequest &request)
{
    FindOutcome outcome;
    const QString &what = request.searchText;
    if (what.isEmpty())
        return outcome;

    const FindFlags flags = request.flags();
    const int start = startPosition(text);
    // Whole words are not counted; the count of the rest ignores word boundaries.
    outcome.message =
        request.wholeWord
            ? helpMessage()
            : matchCountMessage(text.countMatches(what, flags & ~FindFlags(FindFlag::WholeWord)));

    int found = text.find(what, start, -1, flags);
    if (found < 0 && start > 0)
        found = text.find(what, 0, -1, flags); // once more from the top
    if (found < 0) {
        outcome.beep = true;
        return outcome;
    }
    outcome.found = true;
    const int length = int(what.size());
    text.select(found, length);

    switch (request.action) {
    case FindAction::FindNext:
        break;
    case FindAction::Replace:
        text.replaceSelection(request.replacement);
        m_replacedIn = &text;
        m_replacedEnd = text.selStart();
        // The count was of the text before; the change puts the help text back.
        outcome.message = helpMessage();
        break;
    case FindAction::ReplaceAll: {
        const QList<TextRange> matches = text.findAll(what, flags);
        // The caret ends after the replacement of the match just found, where the writer
        // is looking (the first match that reaches past its start).
        const auto here = std::lower_bound(matches.cbegin(), matches.cend(), found,
                                           [](const TextRange &match, int position) {
                                               return match.start + match.length <= position;
                                           });
        text.clearMarks(MarkKind::SpellingError);
        text.replaceRanges(matches, request.replacement, int(here - matches.cbegin()));
        m_replacedIn = &text;
        m_replacedEnd = text.selStart();
        outcome.message = helpMessage();
        break;
    }
    }
    return outcome;
}

void highlightWord(TextControl &text, const QString &word, const QColor &textColour,
                   const QColor &backgroundColour)
{
    const QString what = trimmed(word);
    if (what.isEmpty())
        return;
    // Marks leave the selection, the view and the undo history as they are.
    text.clearMarks(MarkKind::Highlight);
    text.setHighlightColours(textColour, backgroundColour);
    text.addMarks(text.findAll(what, FindFlag::WholeWord), MarkKind::Highlight);
}

} // namespace calmdesk
