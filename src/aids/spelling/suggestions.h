// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace calmdesk {

// The word with its first character in upper case and the rest in lower case (ASCII).
QString capitalised(const QString &word);

// The spelling items of the text's context menu for a marked word, top to bottom.
struct MenuSuggestions
{
    QStringList captions;
    // The item shown bold, or -1.
    int defaultIndex = -1;
};

// `group` holds the words of the typed word's key in list order (null: no such key). A
// word of the group that differs from the typed one only in letter case makes the one,
// bold, capitalised suggestion; otherwise the group's first eleven words are offered, the
// last of them at the top, with the one sharing the longest start with the typed word
// (among the first ten) bold.
MenuSuggestions menuSuggestions(const QStringList *group, const QString &typed);

// The suggestion list of the spelling dialog.
struct DialogSuggestions
{
    // Empty when there are none (the dialog then says so in a disabled list).
    QStringList entries;
    int selected = -1;
    // What "Change To" is filled with.
    QString changeTo;
};

// For a miscapitalised word, the capitalised word alone. For a misspelled one, every word
// of `group` in list order up to one that equals the word but for letter case (which is
// then chosen); otherwise the one sharing the longest start with the word's first `length`
// characters is chosen, or else the second entry.
DialogSuggestions dialogSuggestions(const QStringList *group, const QString &word, int length,
                                    bool miscapitalised);

} // namespace calmdesk
