// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <vector>

namespace calmdesk {

// Which spellings a word list accepts. A word starting with a small letter accepts any
// letter case of itself ("hello": HELLO, Hello; "iPod": IPOD); any other word only itself
// ("London", not "london").
//
// A long list is built once and then only read, so it is laid out for the memory it
// touches: the words' characters in one block, a record per word, and a table of slots
// keyed by the word in small letters, where the words that differ only in letter case
// meet.
class AcceptedSpellings
{
public:
    // Adds a word (every call adds a record, duplicates too) and returns its index.
    quint32 add(QStringView word);
    bool accepts(QStringView word) const;
    // Room for this many words more, of at most this many characters in all.
    void reserve(qsizetype words, qsizetype characters);

    qsizetype size() const { return qsizetype(m_records.size()); }
    bool isEmpty() const { return m_records.empty(); }
    QStringView spelling(quint32 index) const;

private:
    struct Record
    {
        quint32 offset;
        quint32 length;
    };
    bool inTable(QStringView word, quint32 hash) const;
    // True when `match` holds for a spelling whose slot lies on `hash`'s probe sequence.
    template<typename Match> bool anyEntry(quint32 hash, Match match) const;
    void insert(quint32 index, quint32 hash);
    // Puts the slot value in the first free slot of `hash`'s probe sequence.
    void place(quint32 hash, quint32 indexPlusOne);
    void rehash(std::size_t wanted);

    // Characters of every word, one after another.
    QString m_characters;
    std::vector<Record> m_records;
    // Open addressing, at most four fifths full. A slot holds the record's index + 1 in
    // its low bits (0: free) and the top bits of its hash, so most probes that miss never
    // read a record.
    std::vector<quint32> m_slots;
};

} // namespace calmdesk
