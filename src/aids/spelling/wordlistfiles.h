// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

namespace calmdesk {

// The word list "english.dct": one word per line, CR LF, Windows-1252. It is looked for
// beside the executable (a run from the build tree), then in the installed data folder
// (share/calmdesk). The words the writer adds live in a file of the same form in the
// user's data folder, read after it; the installed list is never written.
namespace wordlistfiles {

inline constexpr char kDictionaryName[] = "english.dct";

// The places "english.dct" is looked for, in order.
QStringList dictionaryCandidates();
// The first candidate that is a file, or "".
QString findDictionary(const QStringList &candidates);
// $XDG_DATA_HOME/calmdesk/added-words.dct
QString userWordFile();

// Calls `word` for each line of a word list, trimmed and decoded (a blank line is an empty
// word; the text after the last line break is a line only when it is not empty); the view
// lasts until the call returns. `progress` gets the bytes consumed so far after each line;
// returning false from it stops the reading.
void readWords(QByteArrayView bytes, const std::function<void(QStringView)> &word,
               const std::function<bool(qsizetype)> &progress);

// Appends the word and CR LF to the file, making it and its folder when missing. The file
// is replaced as a whole, so a failed write never leaves half a list. False when the word
// cannot be written (a folder or file that cannot be written, a character outside
// Windows-1252).
bool appendWord(const QString &path, const QString &word);

} // namespace wordlistfiles

} // namespace calmdesk
