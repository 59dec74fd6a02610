// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text/displaylinecounter.h"

#include <QElapsedTimer>
#include <QMetaObject>
#include <QTextLayout>
#include <QThread>
#include <QThreadPool>
#include <QTimer>

#include <algorithm>
#include <atomic>

namespace calmdesk {

namespace {

// Paragraphs a worker takes at a time: small enough to share the work evenly and to
// notice a cancel soon, large enough that taking them costs nothing.
constexpr int kChunk = 64;
// A count on the editor's own thread runs in slices this long, so typing and drawing go
// on between them.
constexpr qint64 kSliceNs = 4'000'000;

// A font of the calling thread's own with every attribute of `font` that decides the
// width of text. Fonts share their glyph engines with their copies, and an engine moves
// between threads only at a cost: each worker makes its own.
QFont ownFont(const QFont &font)
{
    QFont own;
    own.fromString(font.toString());
    // What the description leaves out.
    own.setFamilies(font.families());
    own.setKerning(font.kerning());
    own.setHintingPreference(font.hintingPreference());
    return own;
}

} // namespace

bool LineWrapping::operator==(const LineWrapping &other) const
{
    return width == other.width && font == other.font && font.toString() == other.font.toString() &&
           option.wrapMode() == other.option.wrapMode() && option.flags() == other.option.flags() &&
           option.tabStopDistance() == other.option.tabStopDistance() &&
           option.tabs() == other.option.tabs() &&
           option.textDirection() == other.option.textDirection();
}

// A background count of a snapshot of the paragraphs. Workers count chunks in turn; the
// last one to finish hands the results to the counter's thread.
struct DisplayLineCounter::Job
{
    QStringList paragraphs;
    QFont font; // not to be used as it is: a worker makes its own from it
    QTextOption option;
    qreal width = 0;
    std::vector<int> lines;
    std::atomic<int> nextChunk{0};
    std::atomic<int> running{0};
    std::atomic<bool> cancelled{false};

    // Counts paragraphs from the shared position on until none is left, the job is
    // cancelled, or the slice of time (when one is given) has run out. True when no
    // paragraph is left to take.
    bool countOn(const QFont &ownFont, const QElapsedTimer *slice = nullptr)
    {
        const int count = int(paragraphs.size());
        const int chunk = slice ? 1 : kChunk;
        for (;;) {
            if (cancelled.load() || (slice && slice->nsecsElapsed() > kSliceNs))
                return nextChunk.load() >= count;
            const int start = nextChunk.fetch_add(chunk);
            if (start >= count)
                return true;
            const int end = std::min(count, start + chunk);
            for (int i = start; i < end; ++i)
                lines[std::size_t(i)] = countLines(paragraphs.at(i), ownFont, option, width);
        }
    }

    void work(DisplayLineCounter *counter, const std::shared_ptr<Job> &self)
    {
        countOn(calmdesk::ownFont(font));
        if (running.fetch_sub(1) == 1 && !cancelled.load()) {
            QMetaObject::invokeMethod(
                counter, [counter, self] { counter->takeResults(self); }, Qt::QueuedConnection);
        }
    }
};

DisplayLineCounter::DisplayLineCounter(QObject *parent)
    : QObject(parent)
    , m_pool(new QThreadPool(this))
{
    // The count gives way to everything else, the editor's own thread first.
    m_pool->setThreadPriority(QThread::IdlePriority);
    m_entries.resize(1);
    m_entries[0].lines = 1;
    m_knownTotal = 1;
}

DisplayLineCounter::~DisplayLineCounter()
{
    cancelJob();
    m_pool->waitForDone();
}

int DisplayLineCounter::countLines(const QString &paragraph, const QFont &font,
                                   const QTextOption &option, qreal width)
{
    QTextLayout layout(paragraph, font);
    layout.setTextOption(option);
    layout.setCacheEnabled(false);
    const qreal lineWidth = width > 0 ? width : qreal(INT_MAX);
    int lines = 0;
    layout.beginLayout();
    for (;;) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(lineWidth);
        ++lines;
    }
    layout.endLayout();
    return lines;
}

void DisplayLineCounter::reset(const QStringList &paragraphs, const LineWrapping &wrapping)
{
    m_wrapping = wrapping;
    countAll(paragraphs);
}

void DisplayLineCounter::setWrapping(const QStringList &paragraphs, const LineWrapping &wrapping)
{
    if (wrapping == m_wrapping)
        return;
    reset(paragraphs, wrapping);
}

void DisplayLineCounter::countAll(const QStringList &paragraphs)
{
    cancelJob();
    qsizetype characters = 0;
    for (const QString &p : paragraphs)
        characters += p.size();
    if (characters <= kCountAtOnceCharacters) {
        m_entries.assign(std::size_t(paragraphs.size()), Entry());
        m_knownTotal = 0;
        m_unknown = 0;
        for (int i = 0; i < paragraphs.size(); ++i) {
            const int lines =
                countLines(paragraphs.at(i), m_wrapping.font, m_wrapping.option, m_wrapping.width);
            m_entries[std::size_t(i)].lines = lines;
            m_knownTotal += lines;
        }
        emit totalKnown();
        return;
    }
    startJob(paragraphs, characters);
}

void DisplayLineCounter::startJob(const QStringList &paragraphs, qsizetype characters)
{
    const int count = int(paragraphs.size());
    m_entries.assign(std::size_t(count), Entry());
    for (int i = 0; i < count; ++i)
        m_entries[std::size_t(i)].snapshotIndex = i;
    m_knownTotal = 0;
    m_unknown = count;

    auto job = std::make_shared<Job>();
    job->paragraphs = paragraphs;
    job->font = ownFont(m_wrapping.font);
    job->option = m_wrapping.option;
    job->width = m_wrapping.width;
    job->lines.assign(std::size_t(count), 0);
    m_job = job;
    if (characters <= kCountHereCharacters) {
        // Threads of its own would cost more memory (each its copy of the font's glyph
        // engine) than they save in time.
        QTimer::singleShot(0, this, [this, job] { countSlice(job); });
        return;
    }
    // A novel: on every core.
    const int workers = std::max(1, QThread::idealThreadCount());
    job->running = workers;
    for (int i = 0; i < workers; ++i)
        m_pool->start([this, job] { job->work(this, job); });
}

void DisplayLineCounter::countSlice(const std::shared_ptr<Job> &job)
{
    if (job != m_job)
        return;
    QElapsedTimer slice;
    slice.start();
    if (job->countOn(m_wrapping.font, &slice))
        takeResults(job);
    else
        QTimer::singleShot(0, this, [this, job] { countSlice(job); });
}

void DisplayLineCounter::cancelJob()
{
    if (m_job)
        m_job->cancelled = true;
    m_job.reset();
}

void DisplayLineCounter::takeResults(const std::shared_ptr<Job> &job)
{
    if (job != m_job)
        return;
    m_job.reset();
    for (Entry &entry : m_entries) {
        if (entry.snapshotIndex < 0)
            continue;
        entry.lines = job->lines[std::size_t(entry.snapshotIndex)];
        entry.snapshotIndex = -1;
        m_knownTotal += entry.lines;
    }
    m_unknown = 0;
    emit totalKnown();
}

void DisplayLineCounter::replace(int first, int removed, const QStringList &paragraphs)
{
    const int size = int(m_entries.size());
    first = std::clamp(first, 0, size);
    removed = std::clamp(removed, 0, size - first);
    for (int i = first; i < first + removed; ++i) {
        const Entry &entry = m_entries[std::size_t(i)];
        if (entry.snapshotIndex >= 0)
            --m_unknown;
        else
            m_knownTotal -= entry.lines;
    }
    std::vector<Entry> added(std::size_t(paragraphs.size()));
    for (int i = 0; i < paragraphs.size(); ++i) {
        added[std::size_t(i)].lines =
            countLines(paragraphs.at(i), m_wrapping.font, m_wrapping.option, m_wrapping.width);
        m_knownTotal += added[std::size_t(i)].lines;
    }
    if (std::size_t(removed) == added.size()) {
        // One for one, in place: a long text's entries are not moved for each paragraph.
        std::copy(added.begin(), added.end(), m_entries.begin() + first);
    } else {
        m_entries.erase(m_entries.begin() + first, m_entries.begin() + first + removed);
        m_entries.insert(m_entries.begin() + first, added.begin(), added.end());
    }
    if (m_job && m_unknown == 0) {
        // Every paragraph the job was counting has been edited since.
        cancelJob();
        emit totalKnown();
    }
}

std::optional<qint64> DisplayLineCounter::total() const
{
    if (m_unknown > 0)
        return std::nullopt;
    return m_knownTotal;
}

qint64 DisplayLineCounter::waitForTotal()
{
    if (m_job) {
        const std::shared_ptr<Job> job = m_job;
        if (job->running.load() == 0)
            job->countOn(m_wrapping.font); // the rest of a count in slices, now
        m_pool->waitForDone();
        takeResults(job);
    }
    return m_knownTotal;
}

} // namespace calmdesk
