// SPDX-License-Identifier: GPL-3.0-or-later
#include "aids/spelling/suggestions.h"

#include "aids/spelling/soundcode.h"
#include "core/asciitext.h"

#include <algorithm>

namespace calmdesk {

namespace {

// At most this many suggestion items; only the first ten can be the bold one.
constexpr int kMenuItems = 11;

bool equalsIgnoringCase(const QString &a, const QString &b)
{
    return asciiLower(a) == asciiLower(b);
}

} // namespace

QString capitalised(const QString &word)
{
    return asciiUpper(word.left(1)) + asciiLower(word.mid(1));
}

MenuSuggestions menuSuggestions(const QStringList *group, const QString &typed)
{
    MenuSuggestions menu;
    if (!group)
        return menu;
    const bool caseOnly = std::any_of(group->begin(), group->end(), [&](const QString &d) {
        return equalsIgnoringCase(trimmed(d), typed);
    });
    if (caseOnly) {
        menu.captions = {capitalised(typed)};
        menu.defaultIndex = 0;
        return menu;
    }
    // Items are made in list order, each put at the top of the menu.
    QStringList made;
    int best = 0;
    int bestMade = -1;
    for (const QString &word : *group) {
        const QString d = trimmed(word);
        made.append(d);
        if (made.size() >= kMenuItems)
            break;
        const int score = commonPrefixLength(d, typed, int(std::min(d.size(), typed.size())));
        if (score > best) {
            best = score;
            bestMade = int(made.size()) - 1;
        }
    }
    std::reverse(made.begin(), made.end());
    menu.captions = made;
    if (bestMade >= 0)
        menu.defaultIndex = int(made.size()) - 1 - bestMade;
    return menu;
}

DialogSuggestions dialogSuggestions(const QStringList *group, const QString &word, int length,
                                    bool miscapitalised)
{
    DialogSuggestions list;
    if (miscapitalised) {
        list.entries = {capitalised(word)};
    } else if (group) {
        int best = 0;
        for (const QString &entry : *group) {
            const QString d = trimmed(entry);
            list.entries.append(d);
            if (equalsIgnoringCase(d, word)) {
                // The word itself, but for letter case, is the one to offer.
                list.selected = int(list.entries.size()) - 1;
                break;
            }
            const int score =
                commonPrefixLength(d, word, int(std::min(d.size(), qsizetype(length))));
            if (score > best) {
                best = score;
                list.selected = int(list.entries.size()) - 1;
            }
        }
        // Without a better guess the second entry is offered (none when there is one).
        if (list.selected < 0 && list.entries.size() > 1)
            list.selected = 1;
    }
    if (list.entries.isEmpty())
        return list;
    if (list.selected < 0)
        list.selected = 0;
    list.changeTo = list.entries[list.selected];
    return list;
}

} // namespace calmdesk
