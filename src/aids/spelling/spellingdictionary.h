// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "aids/spelling/acceptedspellings.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <vector>

namespace calmdesk {

// One group of the word list: the words that share a phonetic key, in the order they were
// read or added. The list keeps its groups packed and hands one out in this form when
// asked.
struct TWordCol
{
    QString phoneticKey;
    QStringList words;
};

// Words of one character, and numbers, are never checked.
bool needsNoCheck(QStringView word);

// What a spelling pass on another thread needs: both lists are shared, never copied (the
// dictionary copies its added words only when one is added while a pass holds them).
struct SpellingSnapshot
{
    std::shared_ptr<const AcceptedSpellings> loaded;
    std::shared_ptr<const AcceptedSpellings> added;

    // The word (trimmed by the caller) is spelled right or is not checked.
    bool isKnownWord(QStringView word) const;
};

// The word list in memory: the groups `wordCols` in the order each key first appeared,
// indexed by key, and the accepted spellings for the checks.
class SpellingDictionary
{
public:
    SpellingDictionary();

    // A word as the loader reads it (trimmed): onto its key's group, or a new group at the
    // end. Duplicates and the empty word (key "000") are kept.
    void loadWord(QStringView word);
    // Room for this many words more, of this many characters in all, so a long list is
    // read without growing anything.
    void reserve(qsizetype words, qsizetype characters);

    // True when the word, trimmed, is spelled right or is not checked. Otherwise
    // lastBucket() becomes the index of its key's group, or -1 when there is none.
    bool isKnownWord(const QString &word);
    int lastBucket() const { return m_lastBucket; }

    // A word the writer accepts (Ignore, Add To Dictionary, Add Word), from now on.
    void addWord(const QString &word);

    // The groups `wordCols`, by index in the order their keys first appeared.
    int groupCount() const { return int(m_groups.size()); }
    TWordCol wordCol(int group) const;
    // Index of the group with this key, or -1.
    int findGroup(const QString &key) const;
    qsizetype wordCount() const { return qsizetype(m_nextLoaded.size() + m_nextAdded.size()); }

    SpellingSnapshot snapshot() const;

private:
    // A word as a group holds it: its record's index in the loaded list, or in the added
    // words with kAdded set.
    static constexpr quint32 kAdded = 0x80000000u;
    static constexpr quint32 kEndOfGroup = 0xffffffffu;
    void appendToGroup(QStringView word, quint32 ref);
    QStringView wordAt(quint32 ref) const;
    quint32 nextOf(quint32 ref) const;

    // A group is a chain through its words, first to last in list order.
    struct Group
    {
        quint32 first;
        quint32 last;
        quint32 size;
    };
    std::vector<Group> m_groups;
    // The next word of the same group, by record index, for the loaded and the added words.
    std::vector<quint32> m_nextLoaded;
    std::vector<quint32> m_nextAdded;
    // Keys as soundKey() packs them.
    QHash<quint64, int> m_groupIndex;
    std::shared_ptr<AcceptedSpellings> m_loaded;
    std::shared_ptr<AcceptedSpellings> m_added;
    int m_lastBucket = -1;
};

} // namespace calmdesk
