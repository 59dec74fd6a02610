// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace calmdesk {

// The phonetic key that groups the word list: the first character in upper case, then up
// to three digits for the consonants that follow (B F P V 1; C G J K Q S X Z 2; D T 3;
// L 4; M N 5; R 6). Unlike classic Soundex every such letter adds its digit, even next to
// one of the same digit, and only letters equal to the first are skipped, wherever they
// stand: "hello" is H440, "Jackson" J222. An empty word gives "000".
QString soundCode(QStringView word);

// The same key as a number, without building a string: the characters of the key with
// a leading space or control character trimmed, sixteen bits each:
// soundKey(w) == packedKey(trimmed(soundCode(w))). Different keys give different numbers.
quint64 soundKey(QStringView word);
// A key string as soundKey() packs it; 0 (no key) for a string longer than four characters.
quint64 packedKey(QStringView key);

// How many leading characters, at most `limit`, two words share exactly (letter case
// counts): the score that picks the suggestion offered first.
int commonPrefixLength(QStringView a, QStringView b, int limit);

} // namespace calmdesk
