// SPDX-License-Identifier: GPL-3.0-or-later
#include "aids/autocorrectrules.h"

#include "core/asciitext.h"

#include <algorithm>

namespace calmdesk {

void AutoCorrectRules::setRules(const QStringList &find, const QStringList &replace)
{
    m_byLastChar.clear();
    m_longest = 0;
    for (int slot = 0; slot < find.size(); ++slot) {
        const QString &text = find.at(slot);
        if (text.isEmpty())
            continue;
        const QString lower = asciiLower(text);
        m_byLastChar[lower.back().unicode()].push_back(Rule{slot, lower, replace.value(slot)});
        m_longest = std::max(m_longest, int(text.size()));
    }
}

std::optional<AutoCorrectRules::Match> AutoCorrectRules::match(const QString &before,
                                                               int caret) const
{
    // No rules (or nothing before the caret): nothing can match.
    if (before.isEmpty() || m_longest == 0)
        return std::nullopt;
    const QString lower = asciiLower(before.right(m_longest));
    const auto found = m_byLastChar.find(lower.back().unicode());
    if (found == m_byLastChar.end())
        return std::nullopt;
    for (const Rule &rule : found->second) {
        const qsizetype length = rule.lowerFind.size();
        // At least one character must stand before the matched text.
        if (length >= caret || length > lower.size())
            continue;
        if (QStringView(lower).right(length) != rule.lowerFind)
            continue;
        const QString typed = before.right(length);
        return Match{rule.slot, typed, matchCase(rule.replace, typed)};
    }
    return std::nullopt;
}

QString matchCase(const QString &with, const QString &typed)
{
    if (typed == asciiLower(typed))
        return asciiLower(with);
    if (typed == asciiUpper(typed))
        return asciiUpper(with);
    if (!typed.isEmpty() && isAsciiLower(typed.front()))
        return with;
    if (with.size() > 1)
        return asciiUpper(with.left(1)) + asciiLower(with.mid(1));
    return asciiUpper(with);
}

} // namespace calmdesk
