#include "aids/spelling/spellingdictionary.h"

#include "aids/spelling/soundcode.h"
#include "core/asciitext.h"

#include <algorithm>

namespace calmdesk {

namespace {

bool hasUpperAscii(QStringView word)
{
    return std::any_of(word.begin(), word.end(), [](QChar c) { return isAsciiUpper(c); });
}

} // namespace

void AcceptedSpellings::add(const QString &word)
{
    if (word.isEmpty() || !isAsciiLower(word.front())) {
        m_forms[word] |= Exact;
    } else if (!hasUpperAscii(word)) {
        // Most of a list: the word is its own small-letter form.
        m_forms[word] |= Exact | AnyCase;
    } else {
        m_forms[word] |= Exact;
        m_forms[asciiLower(word)] |= AnyCase;
    }
}

bool AcceptedSpellings::accepts(QStringView word) const
{
    // A view of the caller's characters: no copy for the look-up.
    const QString raw = QString::fromRawData(word.data(), word.size());
    const quint8 asWritten = m_forms.value(raw, 0);
    if (asWritten & Exact)
        return true;
    if (!hasUpperAscii(word))
        return asWritten & AnyCase;
    return m_forms.value(asciiLower(raw), 0) & AnyCase;
}

bool needsNoCheck(QStringView word)
{
    return word.size() < 2 || std::all_of(word.begin(), word.end(), isAsciiDigit);
}

bool SpellingSnapshot::isKnownWord(QStringView word) const
{
    return needsNoCheck(word) || (loaded && loaded->accepts(word)) || added.accepts(word);
}

SpellingDictionary::SpellingDictionary()
    : m_loaded(std::make_shared<AcceptedSpellings>())
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
    m_added.add(word);
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
    if (needsNoCheck(w) || m_loaded->accepts(w) || m_added.accepts(w))
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
