// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text/paragraphmirror.h"

#include <algorithm>

namespace calmdesk {

ParagraphMirror::ParagraphMirror()
{
    reset({});
}

void ParagraphMirror::reset(const QStringList &paragraphs, const std::vector<Tag> &tags)
{
    m_paragraphs = paragraphs.isEmpty() ? QStringList{QString()} : paragraphs;
    if (tags.size() == std::size_t(m_paragraphs.size()))
        m_tags = tags;
    else
        m_tags.assign(std::size_t(m_paragraphs.size()), m_newTag);
    m_characters = 0;
    for (const QString &p : std::as_const(m_paragraphs))
        m_characters += p.size();
}

bool ParagraphMirror::replace(int first, int removed, const QStringList &paragraphs)
{
    first = std::clamp(first, 0, count());
    removed = std::clamp(removed, 0, count() - first);
    const auto added = paragraphs.size();

    // A span that reads as before was only re-formatted: its tags stay. Otherwise the
    // breaks inside the span are the edit's own, and the break that ended the span still
    // ends it.
    bool unchanged = added == removed;
    for (int i = 0; unchanged && i < removed; ++i)
        unchanged = m_paragraphs.at(first + i) == paragraphs.at(i);
    if (unchanged)
        return false;

    const Tag lastTag = removed > 0 ? m_tags[std::size_t(first + removed - 1)] : m_newTag;
    for (int i = first; i < first + removed; ++i)
        m_characters -= m_paragraphs.at(i).size();
    for (const QString &p : paragraphs)
        m_characters += p.size();

    if (added == removed) {
        // In place: an edit that changes many paragraphs of a long text one for one (a
        // replacement everywhere, its undo) must not move the whole list for each.
        std::copy(paragraphs.cbegin(), paragraphs.cend(), m_paragraphs.begin() + first);
        std::fill(m_tags.begin() + first, m_tags.begin() + first + removed - 1, m_newTag);
        return true;
    }

    m_paragraphs.remove(first, removed);
    m_paragraphs.insert(first, added, QString());
    std::copy(paragraphs.cbegin(), paragraphs.cend(), m_paragraphs.begin() + first);
    m_tags.erase(m_tags.begin() + first, m_tags.begin() + first + removed);
    m_tags.insert(m_tags.begin() + first, std::size_t(added), m_newTag);
    if (added > 0)
        m_tags[std::size_t(first + added - 1)] = lastTag;

    if (m_paragraphs.isEmpty()) {
        m_paragraphs.append(QString());
        m_tags.assign(1, m_newTag);
    }
    return true;
}

QString ParagraphMirror::joined(QStringView separator) const
{
    QString result;
    result.reserve(m_characters + (count() - 1) * separator.size());
    for (int i = 0; i < count(); ++i) {
        if (i > 0)
            result.append(separator);
        result.append(m_paragraphs.at(i));
    }
    return result;
}

} // namespace calmdesk
