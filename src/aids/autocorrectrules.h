// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <unordered_map>
#include <vector>

namespace calmdesk {

// The auto-correct rule table: pairs of a text to look for and the text put in its place,
// tried in slot order. A rule matches the characters that end at the caret, letter case
// ignored (ASCII), inside words as well as at their ends, with at least one character
// before it. The rules are indexed by their last character, so a keystroke looks only at
// the few that can match, never at the whole table or the whole text.
class AutoCorrectRules
{
public:
    struct Match
    {
        int slot = -1;
        QString typed;       // the characters before the caret that matched
        QString replacement; // the slot's replacement in the typed text's letter case
    };

    // The slots as the settings hold them (an empty find text is a free slot).
    void setRules(const QStringList &find, const QStringList &replace);

    // The longest find text: how many characters before the caret a check needs.
    int longestFind() const { return m_longest; }

    // The first rule, in slot order, whose find text ends `before` (the text before the
    // caret, at most longestFind() + 1 characters of it) with at least one character in
    // front of it; `caret` is the caret's position in the whole text.
    std::optional<Match> match(const QString &before, int caret) const;

private:
    struct Rule
    {
        int slot;
        QString lowerFind;
        QString replace;
    };
    // By the lower-case last character of the find text; each list in slot order.
    std::unordered_map<char16_t, std::vector<Rule>> m_byLastChar;
    int m_longest = 0;
};

// The replacement in the letter case `typed` implies: all lower, all upper, or (mixed)
// capitalised when the first typed character is no lower-case letter, else as stored.
QString matchCase(const QString &with, const QString &typed);

} // namespace calmdesk
