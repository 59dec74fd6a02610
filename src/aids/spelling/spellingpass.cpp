// SPDX-License-Identifier: GPL-3.0-or-later
#include "aids/spelling/spellingpass.h"

#include "aids/spelling/wordtokenizer.h"

#include <QThread>

#include <atomic>
#include <limits>

namespace calmdesk {

struct SpellingPass::Job
{
    std::atomic<bool> cancelled{false};
    QList<WordRange> marks;
};

SpellingPass::SpellingPass(QObject *parent)
    : QObject(parent)
{}

SpellingPass::~SpellingPass()
{
    cancel();
    for (QThread *thread : std::as_const(m_threads)) {
        thread->wait();
        delete thread;
    }
}

QList<WordRange> SpellingPass::findMarks(const QStringList &paragraphs,
                                         const SpellingSnapshot &words,
                                         const std::atomic<bool> *cancelled, WordRange within)
{
    QList<WordRange> marks;
    const qint64 end = within.length > 0 ? qint64(within.start) + within.length
                                         : std::numeric_limits<qint64>::max();
    walkWords(paragraphs, within.start, [&](const WalkedWord &word) {
        if (word.start >= end || (cancelled && cancelled->load(std::memory_order_relaxed)))
            return false;
        if (judgeWord(words.isKnownWord(word.word), word) != WordVerdict::Good)
            marks.append({word.start, int(word.word.size())});
        return true;
    });
    return marks;
}

void SpellingPass::start(const QStringList &paragraphs, const SpellingSnapshot &words,
                         WordRange first)
{
    // A pass called off ends at its next word; its thread then goes unheard.
    cancel();
    auto job = std::make_shared<Job>();
    m_job = job;
    QThread *thread = QThread::create([this, job, paragraphs, words, first] {
        if (first.length > 0) {
            const QList<WordRange> marks = findMarks(paragraphs, words, &job->cancelled, first);
            // Heard only while this pass is the one that counts.
            QMetaObject::invokeMethod(
                this,
                [this, job, marks] {
                    if (m_job == job && !job->cancelled)
                        emit stretchFinished(marks);
                },
                Qt::QueuedConnection);
        }
        job->marks = findMarks(paragraphs, words, &job->cancelled);
    });
    m_thread = thread;
    m_threads.append(thread);
    connect(thread, &QThread::finished, this, [this, thread, job] {
        m_threads.removeOne(thread);
        thread->deleteLater();
        if (m_thread != thread)
            return;
        m_thread = nullptr;
        m_job.reset();
        if (job->cancelled)
            emit cancelled();
        else
            emit finished(job->marks);
    });
    thread->start(QThread::LowPriority);
}

void SpellingPass::cancel()
{
    if (m_job)
        m_job->cancelled = true;
}

} // namespace calmdesk
