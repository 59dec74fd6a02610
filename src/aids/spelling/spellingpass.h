// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "aids/spelling/spellingdictionary.h"
#include "aids/spelling/wordranges.h"

#include <QObject>
#include <QStringList>

#include <memory>

class QThread;

namespace calmdesk {

// One as-you-type check: the words of a snapshot of the text are judged on a worker
// thread, so the window never waits for a long text; the ranges to mark come back in one
// piece. A pass can be called off at any word.
class SpellingPass : public QObject
{
    Q_OBJECT

public:
    explicit SpellingPass(QObject *parent = nullptr);
    // Calls off the pass under way and waits for the threads still running.
    ~SpellingPass() override;

    // `paragraphs` is the text (shared, not copied); a pass already running is called off.
    // The whole paragraphs of `first`, when given, are judged before the rest and reported
    // on their own (stretchFinished), so their marks need not wait for a long text.
    void start(const QStringList &paragraphs, const SpellingSnapshot &words, WordRange first = {});
    void cancel();
    bool isRunning() const { return m_thread != nullptr; }

    // The misspelled and miscapitalised words of a text, in order: the pass's work, for
    // any thread. Stops early (returning what it has) once `cancelled` is set. Only the
    // words of `within` count when it is given (whole paragraphs).
    static QList<WordRange> findMarks(const QStringList &paragraphs, const SpellingSnapshot &words,
                                      const std::atomic<bool> *cancelled = nullptr,
                                      WordRange within = {});

signals:
    // The stretch to judge first is judged: `marks` are the pass's marks there.
    void stretchFinished(const QList<WordRange> &marks);
    // The pass ran to the end: `marks` are sorted by position.
    void finished(const QList<WordRange> &marks);
    // The pass was called off; nothing is to be marked.
    void cancelled();

private:
    struct Job;

    std::shared_ptr<Job> m_job;
    // The pass whose result counts.
    QThread *m_thread = nullptr;
    // It and the passes called off that have not ended yet.
    QList<QThread *> m_threads;
};

} // namespace calmdesk
