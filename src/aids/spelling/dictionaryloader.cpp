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

// A list's bytes, mapped rather than read: the words are copied from the file's pages
// straight into the list, so no copy of the file is made in memory first.
class ListBytes
{
public:
    explicit ListBytes(const QString &path)
        : m_file(path)
    {
        if (path.isEmpty() || !m_file.open(QIODevice::ReadOnly) || m_file.size() == 0)
            return;
        if (uchar *mapped = m_file.map(0, m_file.size())) {
            m_bytes = QByteArrayView(mapped, m_file.size());
        } else {
            m_read = m_file.readAll();
            m_bytes = m_read;
        }
    }
    QByteArrayView bytes() const { return m_bytes; }

private:
    QFile m_file;
    QByteArray m_read;
    QByteArrayView m_bytes;
};

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
    if (m_thread) {
        m_thread->wait();
        delete m_thread; // its finished signal was never handled
    }
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
        const ListBytes listFile(dictionaryPath);
        const ListBytes ownFile(userWords);
        const QByteArrayView list = listFile.bytes();
        const QByteArrayView own = ownFile.bytes();
        const qint64 total = list.size() + own.size();
        auto dictionary = std::make_shared<SpellingDictionary>();
        // A word a line, and no more characters than bytes.
        dictionary->reserve(list.count('\n') + own.count('\n') + 2, total);
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
        const auto word = [&](QStringView w) {
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
