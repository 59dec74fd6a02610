// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <vector>

namespace calmdesk {

// One group of the word list: the words that share a phonetic key, in the order they were
// read or added.
struct TWordCol
{
    QString phoneticKey;
    QStringList words;
};

// Which spellings a word list accepts. A word written in small letters accepts any letter
// case ("hello": HELLO, Hello); any other word only itself ("London", not "london").
class AcceptedSpellings
{
public:
    void add(const QString &word);
    bool accepts(QStringView word) const;
    // Room for this many words more.
    void reserve(qsizetype more);
    bool isEmpty() const { return m_spellings.empty(); }

private:
    enum Form : quint8 { Exact = 1, AnyCase = 2 };
    // The spellings in an open-addressed table, at most half full: no node per spelling,
    // and most look-ups find their slot at the first probe.
    struct Slot
    {
        quint32 hash = 0;
        // Index into m_spellings + 1; 0 is a free slot.
        quint32 entry = 0;
    };
    quint8 &formsOf(const QString &spelling);
    quint8 formsOf(QStringView spelling) const;
    void rehash(std::size_t wanted);

    std::vector<Slot> m_slots;
    std::vector<QString> m_spellings;
    std::vector<quint8> m_forms;
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
    void loadWord(const QString &word);
    // Room for this many words more, so a long list is read without rehashing.
    void reserve(qsizetype words);

    // True when the word, trimmed, is spelled right or is not checked. Otherwise
    // lastBucket() becomes the index of its key's group, or -1 when there is none.
    bool isKnownWord(const QString &word);
    int lastBucket() const { return m_lastBucket; }

    // A word the writer accepts (Ignore, Add To Dictionary, Add Word), from now on.
    void addWord(const QString &word);

    const std::vector<TWordCol> &wordCols() const { return m_wordCols; }
    // Index of the group with this key, or -1.
    int findGroup(const QString &key) const;
    qsizetype wordCount() const { return m_wordCount; }

    SpellingSnapshot snapshot() const;

private:
    void appendToGroup(const QString &word);

    std::vector<TWordCol> m_wordCols;
    // Keys as soundKey() packs them.
    QHash<quint64, int> m_groupIndex;
    std::shared_ptr<AcceptedSpellings> m_loaded;
    std::shared_ptr<AcceptedSpellings> m_added;
    qsizetype m_wordCount = 0;
    int m_lastBucket = -1;
};

} // namespace calmdesk
