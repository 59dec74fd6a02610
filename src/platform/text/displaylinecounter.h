// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QObject>
#include <QStringList>
#include <QTextOption>

#include <memory>
#include <optional>
#include <vector>

class QThreadPool;

namespace calmdesk {

// How lines wrap: the font, the text's options (wrap mode, tabs) and the width.
struct LineWrapping
{
    QFont font;
    QTextOption option;
    qreal width = 0;

    bool operator==(const LineWrapping &other) const;
};

// Laid-out lines of a text at one wrapping, kept per paragraph so that an edit recounts
// only the paragraphs it touched. The count of each paragraph is Qt's own line breaking,
// so it is the number of lines the editor shows. After the whole text is replaced, or
// the width or font changes, a long text is counted in the background (in slices between
// the editor's other work, a novel on background threads that give way to the editor);
// until that is done the total is unknown, and totalKnown() is emitted once it is.
class DisplayLineCounter : public QObject
{
    Q_OBJECT

public:
    // Up to this many characters to count, the count is made at once.
    static constexpr qsizetype kCountAtOnceCharacters = 200'000;
    // Up to this many, in slices on this object's thread between other events; beyond,
    // on a thread per core.
    static constexpr qsizetype kCountHereCharacters = 3'000'000;

    explicit DisplayLineCounter(QObject *parent = nullptr);
    ~DisplayLineCounter() override;

    // The text and how it wraps; everything is counted anew.
    void reset(const QStringList &paragraphs, const LineWrapping &wrapping);
    // The same text at another wrapping; nothing happens when it is the same.
    void setWrapping(const QStringList &paragraphs, const LineWrapping &wrapping);
    // `removed` paragraphs from `first` now read as `paragraphs`: counted at once.
    void replace(int first, int removed, const QStringList &paragraphs);

    // Lines of all paragraphs, or nothing while the background count runs.
    std::optional<qint64> total() const;
    // Waits for the background count, if any, and returns the total.
    qint64 waitForTotal();
    bool isCounting() const { return m_unknown > 0; }

    // Lines of one paragraph at a wrapping: Qt's line breaking, as the editor does it.
    static int countLines(const QString &paragraph, const QFont &font, const QTextOption &option,
                          qreal width);

signals:
    void totalKnown();

private:
    struct Job;
    struct Entry
    {
        int lines = 0;          // when known
        int snapshotIndex = -1; // else: the paragraph in the background job's snapshot
    };

    void countAll(const QStringList &paragraphs);
    void startJob(const QStringList &paragraphs, qsizetype characters);
    void countSlice(const std::shared_ptr<Job> &job);
    void cancelJob();
    void takeResults(const std::shared_ptr<Job> &job);

    LineWrapping m_wrapping;
    std::vector<Entry> m_entries;
    qint64 m_knownTotal = 0;
    int m_unknown = 0;
    std::shared_ptr<Job> m_job;
    QThreadPool *m_pool;
};

} // namespace calmdesk
