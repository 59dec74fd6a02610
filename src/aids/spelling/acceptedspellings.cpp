// SPDX-License-Identifier: GPL-3.0-or-later
#include "aids/spelling/acceptedspellings.h"

#include "core/asciitext.h"

#include <algorithm>

namespace calmdesk {

namespace {

constexpr std::size_t kFewestSlots = 16;
constexpr quint32 kIndexBits = 24;
constexpr quint32 kIndexMask = (1u << kIndexBits) - 1;
constexpr quint32 kTagMask = ~kIndexMask;
// Records beyond this many are kept (their groups still hold them) but not looked up: a
// list of over sixteen million words is no word list.
constexpr quint32 kMostIndexed = kIndexMask - 1;

// FNV-1a over the small-letter form, finished so that the low bits (the slot) and the top
// bits (the tag) both depend on every character.
quint32 foldedHash(QStringView word)
{
    quint32 hash = 2166136261u;
    for (const QChar c : word)
        hash = (hash ^ asciiLower(c).unicode()) * 16777619u;
    hash ^= hash >> 16;
    hash *= 0x85ebca6bu;
    hash ^= hash >> 13;
    hash *= 0xc2b2ae35u;
    hash ^= hash >> 16;
    return hash;
}

bool equalInSmallLetters(QStringView a, QStringView b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](QChar x, QChar y) {
               return asciiLower(x) == asciiLower(y);
           });
}

// An entry accepts a word spelled as it is, or, when the entry starts with a small
// letter, in any letter case.
bool entryAccepts(QStringView entry, QStringView word)
{
    if (entry == word)
        return true;
    return !entry.isEmpty() && isAsciiLower(entry.front()) && equalInSmallLetters(entry, word);
}

} // namespace

template<typename Match> bool AcceptedSpellings::anyEntry(quint32 hash, Match match) const
{
    if (m_slots.empty())
        return false;
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const quint32 slot = m_slots[i];
        if (slot == 0)
            return false;
        if ((slot & kTagMask) == (hash & kTagMask) && match(spelling((slot & kIndexMask) - 1)))
            return true;
    }
}

quint32 AcceptedSpellings::add(QStringView word)
{
    const auto index = quint32(m_records.size());
    m_records.push_back(Record{quint32(m_characters.size()), quint32(word.size())});
    m_characters.append(word);
    const quint32 hash = foldedHash(word);
    // A second record of the same spelling accepts nothing the first does not.
    if (index <= kMostIndexed && !inTable(word, hash))
        insert(index, hash);
    return index;
}

bool AcceptedSpellings::accepts(QStringView word) const
{
    return anyEntry(foldedHash(word),
                    [word](QStringView entry) { return entryAccepts(entry, word); });
}

bool AcceptedSpellings::inTable(QStringView word, quint32 hash) const
{
    return anyEntry(hash, [word](QStringView entry) { return entry == word; });
}

void AcceptedSpellings::insert(quint32 index, quint32 hash)
{
    // Four fifths full at most: slots are four bytes, so a miss reads few cache lines.
    if (5 * (m_records.size() + 1) > 4 * m_slots.size())
        rehash(std::max(kFewestSlots, 2 * m_slots.size()));
    place(hash, index + 1);
}

void AcceptedSpellings::place(quint32 hash, quint32 indexPlusOne)
{
    const std::size_t mask = m_slots.size() - 1;
    std::size_t i = hash & mask;
    while (m_slots[i] != 0)
        i = (i + 1) & mask;
    m_slots[i] = (hash & kTagMask) | indexPlusOne;
}

void AcceptedSpellings::reserve(qsizetype words, qsizetype characters)
{
    const std::size_t more = std::size_t(std::max<qsizetype>(words, 0));
    m_records.reserve(m_records.size() + more);
    m_characters.reserve(m_characters.size() + std::max<qsizetype>(characters, 0));
    const std::size_t wanted = (5 * (m_records.size() + more) + 3) / 4;
    if (wanted > m_slots.size())
        rehash(wanted);
}

QStringView AcceptedSpellings::spelling(quint32 index) const
{
    const Record &record = m_records[index];
    return QStringView(m_characters).sliced(record.offset, record.length);
}

void AcceptedSpellings::rehash(std::size_t wanted)
{
    std::size_t size = kFewestSlots;
    while (size < wanted)
        size *= 2;
    const std::vector<quint32> old = std::exchange(m_slots, std::vector<quint32>(size, 0));
    for (const quint32 slot : old) {
        if (slot != 0)
            place(foldedHash(spelling((slot & kIndexMask) - 1)), slot & kIndexMask);
    }
}

} // namespace calmdesk
