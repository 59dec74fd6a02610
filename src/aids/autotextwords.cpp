// SPDX-License-Identifier: GPL-3.0-or-later
#include "aids/autotextwords.h"

#include "core/asciitext.h"

#include <algorithm>

namespace calmdesk {

namespace {

constexpr int kFirstLook = 64;


} // namespace

std::optional<TypedWord> typedWordBefore(const TextBeforeCaret &textBefore, int caret)
{
    if (caret < 2)
        return std::nullopt;
    // Most words fit the first look; a longer one reads further back.
    for (int look = kFirstLook;; look *= 4) {
        const QString before = textBefore(look);
        qsizetype i = before.size() - 1;
        while (i >= 0 && isAsciiLetterOrDigit(before.at(i)))
            --i;
        if (i >= 0 || before.size() < look) {
            const qsizetype length = before.size() - 1 - i;
            // A word that runs from the very start of the text opens no list.
            if (length == 0 || i < 0)
                return std::nullopt;
            return TypedWord{caret - int(length), before.right(length)};
        }
    }
}

QStringList completionsFor(const QStringList &words, const QString &prefix)
{
    QStringList found;
    const QString lowerPrefix = asciiLower(prefix);
    if (lowerPrefix.isEmpty())
        return found;
    for (const QString &slot : words) {
        const QString word = trimmed(slot);
        if (word.size() >= lowerPrefix.size() &&
            asciiLower(word.left(lowerPrefix.size())) == lowerPrefix)
            found << word;
    }
    std::stable_sort(found.begin(), found.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return found;
}

} // namespace calmdesk
