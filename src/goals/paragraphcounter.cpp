// SPDX-License-Identifier: GPL-3.0-or-later
#include "goals/paragraphcounter.h"

#include <QRegularExpression>

#include <algorithm>

namespace calmdesk {

// Every break starts a paragraph except the second of two adjacent breaks, counted
// as non-overlapping pairs from the left. Two breaks are adjacent exactly where the
// paragraph between them is empty, so a run of k empty paragraphs between two
// non-empty ones (or the text's ends) holds k + 1 breaks in a row, ceil(k / 2) pairs.
// A run depends only on its own paragraphs, so an edit re-evaluates just the runs
// that reach into it.

ParagraphCounter::ParagraphCounter()
{
    m_paragraphs.push_back({});
}

void ParagraphCounter::setText(const QString &text)
{
    static const QRegularExpression anyBreak(QStringLiteral("\r\n|\r|\n"));
    const QStringList paragraphs = text.split(anyBreak);
    replaceParagraphs(0, paragraphCount(), paragraphs);
}

QString ParagraphCounter::text() const
{
    QString joined;
    for (std::size_t i = 0; i < m_paragraphs.size(); ++i) {
        if (i > 0)
            joined += QStringLiteral("\r\n");
        joined += m_paragraphs[i].text;
    }
    return joined;
}

TextCounts ParagraphCounter::counts() const
{
    TextCounts counts;
    counts.words = quint32(m_words);
    counts.solidChars = quint32(m_solidChars);
    counts.characters = quint32(m_characters);
    const quint64 breaks = m_paragraphs.size() - 1;
    counts.paragraphBreaks = quint32(breaks - m_doubledBreaks);
    return counts;
}

bool ParagraphCounter::isEmptyBetweenBreaks(int index) const
{
    return index > 0 && index < paragraphCount() - 1 && m_paragraphs[index].figures.isEmpty();
}

quint64 ParagraphCounter::doubledBreaksIn(int lo, int hi) const
{
    quint64 pairs = 0;
    quint64 run = 0;
    for (int i = lo; i <= hi; ++i) {
        if (isEmptyBetweenBreaks(i)) {
            ++run;
        } else {
            pairs += (run + 1) / 2;
            run = 0;
        }
    }
    return pairs + (run + 1) / 2;
}

void ParagraphCounter::add(const Paragraph &paragraph, int sign)
{
    const auto apply = [sign](quint64 &total, quint32 value) {
        total = sign > 0 ? total + value : total - value;
    };
    apply(m_words, paragraph.figures.words);
    apply(m_solidChars, paragraph.figures.solidChars);
    apply(m_characters, paragraph.figures.characters);
}

bool ParagraphCounter::replaceParagraphs(int first, int removed, const QStringList &paragraphs)
{
    const int count = paragraphCount();
    first = std::clamp(first, 0, count);
    removed = std::clamp(removed, 0, count - first);
    const int added = int(paragraphs.size());
    if (count - removed + added < 1)
        return false;

    bool changed = removed != added;
    for (int i = 0; i < added && !changed; ++i)
        changed = m_paragraphs[first + i].text != paragraphs[i];
    if (!changed)
        return false;

    // The window of runs the edit can reach: from the last paragraph before it that
    // ends a run, to the first one after it that ends a run.
    int lo = std::max(first - 1, 0);
    while (lo > 0 && m_paragraphs[lo].figures.isEmpty())
        --lo;
    int hi = std::min(first + removed, count - 1);
    while (hi < count - 1 && m_paragraphs[hi].figures.isEmpty())
        ++hi;
    const bool windowReachesEnd = hi < first + removed;
    m_doubledBreaks -= doubledBreaksIn(lo, hi);

    for (int i = first; i < first + removed; ++i)
        add(m_paragraphs[i], -1);
    std::vector<Paragraph> replacement;
    replacement.reserve(added);
    for (int i = 0; i < added; ++i) {
        const QString &text = paragraphs[i];
        // A wide span (an edit that changed paragraphs here and there) recounts only the
        // paragraphs that read differently.
        const Paragraph *before = i < removed ? &m_paragraphs[first + i] : nullptr;
        replacement.push_back(
            {text, before && before->text == text ? before->figures : countParagraph(text)});
        add(replacement.back(), +1);
    }
    const int common = std::min(removed, added);
    std::move(replacement.begin(), replacement.begin() + common, m_paragraphs.begin() + first);
    if (added > removed) {
        m_paragraphs.insert(m_paragraphs.begin() + first + common,
                            std::make_move_iterator(replacement.begin() + common),
                            std::make_move_iterator(replacement.end()));
    } else if (removed > added) {
        m_paragraphs.erase(m_paragraphs.begin() + first + common,
                           m_paragraphs.begin() + first + removed);
    }

    const int newHi = windowReachesEnd ? paragraphCount() - 1 : hi + added - removed;
    m_doubledBreaks += doubledBreaksIn(lo, newHi);
    return true;
}

} // namespace calmdesk
