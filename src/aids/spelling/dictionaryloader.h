// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QThread;

namespace calmdesk {

class SpellingDictionary;

// Reads the word list, then the writer's own words, on a worker thread, so the window
// never waits for it; the finished list is handed over in one piece.
class DictionaryLoader : public QObject
{
    Q_OBJECT

public:
    explicit DictionaryLoader(QObject *parent = nullptr);
    // Stops a load under way and waits for its thread.
    ~DictionaryLoader() override;

    // `dictionaryPath` is the word list found; `userWords` is read after it when it exists.
    void start(const QString &dictionaryPath, const QString &userWords);
    // The program is closing: the load ends where it is and hands nothing over.
    void stop();
    bool isLoading() const { return m_thread != nullptr; }

    // The text the loading image shows: " Loading dictionary: 42% ".
    static QString progressText(int percent);

signals:
    void progressChanged(int percent);
    // The whole list is read; the receiver takes it over.
    void loaded(std::shared_ptr<SpellingDictionary> dictionary);

private:
    struct Job;
    void onFinished();

    std::shared_ptr<Job> m_job;
    QThread *m_thread = nullptr;
};

} // namespace calmdesk
