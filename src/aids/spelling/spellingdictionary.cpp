// SPDX-License-Identifier: GPL-3.0-or-later
#include "aids/spelling/spellingdictionary.h"

#include "aids/spelling/soundcode.h"
#include "core/asciitext.h"

#include <QVarLengthArray>

#include <algorithm>

namespace calmdesk {

namespace {

// Table sizes are powers of two from this.
constexpr std::size_t kFewestSlots = 16;
// Words up to this long are put in small letters without allocating.
constexpr qsizetype kShortWord = 64;

quint32 hashOf(QStringView spelling)
{
    const std::size_t hash = qHash(spelling, 0);
    return quint32(hash ^ (hash >> 32));
}

bool hasUpperAscii(QStringView word)
{
    return std::any_of(word.begin(), word.end(), [](QChar c) { return isAsciiUpper(c); });
}

} // namespace

void AcceptedSpellings::add(const QString &word)
{
    if (word.isEmpty() || !isAsciiLower(word.front())) {
        formsOf(word) |= Exact;
    } else if (!hasUpperAscii(word)) {
        // Most of a list: the word is its own small-letter form.
        formsOf(word) |= Exact | AnyCase;
    } else {
        formsOf(word) |= Exact;
        formsOf(asciiLower(word)) |= AnyCase;
    }
}

bool AcceptedSpellings::accepts(QStringView word) const
{
    const quint8 asWritten = formsOf(word);
    if (asWritten & Exact)
        return true;
    if (!hasUpperAscii(word))
        return asWritten & AnyCase;
    // The small-letter form, made where no string needs allocating.
    QVarLengthArray<char16_t, kShortWord> lower(word.size());
    std::transform(word.begin(), word.end(), lower.begin(), [](QChar c) {
        return isAsciiUpper(c) ? char16_t(c.unicode() + ('a' - 'A')) : c.unicode();
    });
    return formsOf(QStringView(lower.data(), lower.size())) & AnyCase;
}

void AcceptedSpellings::reserve(qsizetype more)
{
    const std::size_t wanted = 2 * (m_spellings.size() + std::size_t(std::max<qsizetype>(more, 0)));
    if (wanted > m_slots.size())
        rehash(wanted);
}

void AcceptedSpellings::rehash(std::size_t wanted)
{
    std::size_t size = kFewestSlots;
    while (size < wanted)
        size *= 2;
    m_slots.assign(size, Slot{});
    const std::size_t mask = size - 1;
    for (std::size_t entry = 0; entry < m_spellings.size(); ++entry) {
        const quint32 hash = hashOf(m_spellings[entry]);
        std::size_t i = hash & mask;
        while (m_slots[i].entry != 0)
            i = (i + 1) & mask;
        m_slots[i] = Slot{hash, quint32(entry + 1)};
    }
}

quint8 &AcceptedSpellings::formsOf(const QString &spelling)
{
    if (2 * (m_spellings.size() + 1) > m_slots.size())
        rehash(2 * m_slots.size());
    const quint32 hash = hashOf(spelling);
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        Slot &slot = m_slots[i];
        if (slot.entry == 0) {
            m_spellings.push_back(spelling);
            m_forms.push_back(0);
            slot = Slot{hash, quint32(m_spellings.size())};
            return m_forms.back();
        }
        if (slot.hash == hash && m_spellings[slot.entry - 1] == spelling)
            return m_forms[slot.entry - 1];
    }
}

quint8 AcceptedSpellings::formsOf(QStringView spelling) const
{
    if (m_slots.empty())
        return 0;
    const quint32 hash = hashOf(spelling);
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot &slot = m_slots[i];
        if (slot.entry == 0)
            return 0;
        if (slot.hash == hash && m_spellings[slot.entry - 1] == spelling)
            return m_forms[slot.entry - 1];
    }
}

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

void SpellingDictionary::loadWord(const QString &word)
{
    appendToGroup(word);
    m_loaded->add(word);
}

void SpellingDictionary::reserve(qsizetype words)
{
    m_loaded->reserve(words);
}

void SpellingDictionary::addWord(const QString &word)
{
    appendToGroup(word);
    if (m_added.use_count() > 1)
        m_added = std::make_shared<AcceptedSpellings>(*m_added); // a pass still reads it
    m_added->add(word);
}

void SpellingDictionary::appendToGroup(const QString &word)
{
    const quint64 key = soundKey(word);
    const auto found = m_groupIndex.constFind(key);
    if (found != m_groupIndex.constEnd()) {
        m_wordCols[std::size_t(*found)].words.append(word);
    } else {
        m_groupIndex.insert(key, int(m_wordCols.size()));
        m_wordCols.push_back(TWordCol{trimmed(soundCode(word)), {word}});
    }
    ++m_wordCount;
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
