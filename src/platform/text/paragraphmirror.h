// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace calmdesk {

// A copy of a text's paragraphs, kept in step with the editing widget edit by edit, so
// the whole text, any paragraph and a snapshot for another thread are at hand without
// asking the widget. Each paragraph also carries a small tag that the owner gives a
// meaning (the text control uses it for what ended the paragraph in the file it came
// from). A paragraph keeps its tag while it is edited: of the paragraphs an edit puts in
// place of others, the last takes the tag of the last one it replaced (the break that
// ended them still ends it) and the others take newParagraphTag() (their breaks are new).
// There is always at least one paragraph.
class ParagraphMirror
{
public:
    using Tag = quint8;

    ParagraphMirror();

    // Starts over; `tags` is as long as `paragraphs`, or empty for all newParagraphTag().
    void reset(const QStringList &paragraphs, const std::vector<Tag> &tags = {});
    // `removed` paragraphs from `first` now read as `paragraphs`: the span of one edit,
    // from the paragraph where it began to the one where its new text ends. A span that
    // reads as before (only formats changed) keeps its tags. Returns whether the text
    // changed.
    bool replace(int first, int removed, const QStringList &paragraphs);

    int count() const { return int(m_paragraphs.size()); }
    const QString &at(int index) const { return m_paragraphs.at(index); }
    // Shares the paragraphs (no copy): safe to hand to another thread.
    QStringList paragraphs() const { return m_paragraphs; }
    const std::vector<Tag> &tags() const { return m_tags; }
    // Characters in all paragraphs, breaks not counted.
    qsizetype characterCount() const { return m_characters; }

    // The paragraphs joined by `separator`.
    QString joined(QStringView separator) const;

    void setNewParagraphTag(Tag tag) { m_newTag = tag; }
    Tag newParagraphTag() const { return m_newTag; }

private:
    QStringList m_paragraphs;
    std::vector<Tag> m_tags;
    qsizetype m_characters = 0;
    Tag m_newTag = 0;
};

} // namespace calmdesk
