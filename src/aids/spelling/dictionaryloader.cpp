// SPDX-License-Identifier: GPL-3.0-or-later
#include "aids/spelling/dictionaryloader.h"

#include "aids/spelling/spellingdictionary.h"
#include "aids/spelling/wordlistfiles.h"

#include <QFile>
#include <QThread>

#include <atomic>

namespace calmdesk {

namespace {

constexpr qint64 kWhole = 100;

QByteArray readAll(const QString &path)
{
    if (path.isEmpty())
        return QByteArray();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

struct DictionaryLoader::Job
{
    std::atomic<bool> stopRequested{false};
    bool completed = false;
    std::shared_ptr<SpellingDictionary> dictionary;
};

DictionaryLoader::DictionaryLoader(QObject *parent)
    : QObject(parent)
{}

DictionaryLoader::~DictionaryLoader()
{
    stop();
    if (m_thread)
        m_thread->wait();
}

QString DictionaryLoader::progressText(int percent)
{
    return tr(" Loading dictionary: %1% ").arg(percent);
}

void DictionaryLoader::start(const QString &dictionaryPath, const QString &userWords)
{
    if (m_thread)
        return;
    auto job = std::make_shared<Job>();
    m_job = job;
    m_thread = QThread::create([this, job, dictionaryPath, userWords] {
        const QByteArray list = readAll(dictionaryPath);
        const QByteArray own = readAll(userWords);
        const qint64 total = list.size() + own.size();
        auto dictionary = std::make_shared<SpellingDictionary>();
        // A word a line.
        dictionary->reserve(list.count('\n') + own.count('\n') + 2);
        int shown = -1;
        qint64 before = 0;
        const auto progress = [&](qsizetype consumed) {
            if (job->stopRequested.load(std::memory_order_relaxed))
                return false;
            // An empty list is read at once.
            const int percent = total > 0 ? int(kWhole * (before + consumed) / total) : int(kWhole);
            if (percent != shown) {
                shown = percent;
                QMetaObject::invokeMethod(
                    this, [this, percent] { emit progressChanged(percent); }, Qt::QueuedConnection);
            }
            return true;
        };
        const auto word = [&](const QString &w) {
            dictionary->loadWord(w);
        };
        wordlistfiles::readWords(list, word, progress);
        before = list.size();
        wordlistfiles::readWords(own, word, progress);
        if (job->stopRequested.load())
            return;
        job->dictionary = std::move(dictionary);
        job->completed = true;
    });
    connect(m_thread, &QThread::finished, this, &DictionaryLoader::onFinished);
    m_thread->start();
}

void DictionaryLoader::stop()
{
    if (m_job)
        m_job->stopRequested = true;
}

void DictionaryLoader::onFinished()
{
    m_thread->deleteLater();
    m_thread = nullptr;
    const std::shared_ptr<Job> job = std::move(m_job);
    if (job && job->completed && !job->stopRequested)
        emit loaded(job->dictionary);
}

} // namespace calmdesk
