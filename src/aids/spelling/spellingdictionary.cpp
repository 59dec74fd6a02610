// SPDX-License-Identifier: GPL-3.0-or-later
#include "aids/spelling/spellingdictionary.h"

#include "aids/spelling/soundcode.h"
#include "core/asciitext.h"

#include <algorithm>

namespace calmdesk {

bool needsNoCheck(QStringView word)
{
    return word.size() < 2 || std::all_of(word.begin(), word.end(), isAsciiDigit);
}

bool SpellingSnapshot::isKnownWord(QStringView word) const
{
    return needsNoCheck(word) || (loaded && loaded->accepts(word)) ||
           (added && added->accepts(word));
}

SpellingDictionary::SpellingDictionary()
    : m_loaded(std::make_shared<AcceptedSpellings>())
    , m_added(std::make_shared<AcceptedSpellings>())
{}

void SpellingDictionary::loadWord(QStringView word)
{
    const quint32 index = m_loaded->add(word);
    m_nextLoaded.push_back(kEndOfGroup);
    appendToGroup(word, index);
}

void SpellingDictionary::reserve(qsizetype words, qsizetype characters)
{
    m_nextLoaded.reserve(m_nextLoaded.size() + std::size_t(std::max<qsizetype>(words, 0)));
    m_loaded->reserve(words, characters);
}

void SpellingDictionary::addWord(const QString &word)
{
    if (m_added.use_count() > 1)
        m_added = std::make_shared<AcceptedSpellings>(*m_added); // a pass still reads it
    const quint32 index = m_added->add(word);
    m_nextAdded.push_back(kEndOfGroup);
    appendToGroup(word, index | kAdded);
}

void SpellingDictionary::appendToGroup(QStringView word, quint32 ref)
{
    const quint64 key = soundKey(word);
    const auto found = m_groupIndex.constFind(key);
    if (found == m_groupIndex.constEnd()) {
        m_groupIndex.insert(key, int(m_groups.size()));
        m_groups.push_back(Group{ref, ref, 1});
        return;
    }
    Group &group = m_groups[std::size_t(*found)];
    if (group.last & kAdded)
        m_nextAdded[group.last & ~kAdded] = ref;
    else
        m_nextLoaded[group.last] = ref;
    group.last = ref;
    ++group.size;
}

QStringView SpellingDictionary::wordAt(quint32 ref) const
{
    return ref & kAdded ? m_added->spelling(ref & ~kAdded) : m_loaded->spelling(ref);
}

quint32 SpellingDictionary::nextOf(quint32 ref) const
{
    return ref & kAdded ? m_nextAdded[ref & ~kAdded] : m_nextLoaded[ref];
}

TWordCol SpellingDictionary::wordCol(int group) const
{
    TWordCol col;
    if (group < 0 || std::size_t(group) >= m_groups.size())
        return col;
    const Group &g = m_groups[std::size_t(group)];
    col.phoneticKey = trimmed(soundCode(wordAt(g.first)));
    col.words.reserve(g.size);
    for (quint32 ref = g.first; ref != kEndOfGroup; ref = nextOf(ref))
        col.words.append(wordAt(ref).toString());
    return col;
}

bool SpellingDictionary::isKnownWord(const QString &word)
{
    const QString w = trimmed(word);
    if (needsNoCheck(w) || m_loaded->accepts(w) || m_added->accepts(w))
        return true;
    m_lastBucket = m_groupIndex.value(soundKey(w), -1);
    return false;
}

int SpellingDictionary::findGroup(const QString &key) const
{
    return m_groupIndex.value(packedKey(key), -1);
}

SpellingSnapshot SpellingDictionary::snapshot() const
{
    return SpellingSnapshot{m_loaded, m_added};
}

} // namespace calmdesk
