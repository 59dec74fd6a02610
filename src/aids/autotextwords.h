// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace calmdesk {

// The beginning of a word typed just before the caret, as auto-text completes it.
struct TypedWord
{
    int start = 0; // canonical position of its first character
    QString text;  // ASCII letters and digits only
};

// Up to `maxLength` characters of the text that end at the caret.
using TextBeforeCaret = std::function<QString(int maxLength)>;

// The word that ends at `caret`, read back only as far as the character before it. Nothing
// when the caret follows no ASCII letter or digit, or when the word runs from the very
// start of the text.
std::optional<TypedWord> typedWordBefore(const TextBeforeCaret &textBefore, int caret);

// The stored words that begin with `prefix` (ASCII case ignored), trimmed, in alphabetical
// order whatever their order in the slots; a word typed in full is listed too.
QStringList completionsFor(const QStringList &words, const QString &prefix);

} // namespace calmdesk
