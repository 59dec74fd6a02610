// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/codec/documentcodec.h"

#include <QString>
#include <QStringList>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace calmdesk {

// The crash-recovery copy of the text: written while the writer works, removed at a
// normal close, so a copy found at start-up means the last run ended abnormally.
//
// Writes happen on a worker thread, never on a keystroke's path: write() hands over the
// text (shared, not copied) and returns. A write that a newer one overtakes before it
// starts is dropped; the newest text is always written last. The file is replaced
// atomically and readable by its owner only.
class RecoveryFile
{
public:
    // "recovery.txt" in the program's folder of the user's state ($XDG_STATE_HOME).
    static QString defaultPath();

    explicit RecoveryFile(QString path);
    ~RecoveryFile();

    RecoveryFile(const RecoveryFile &) = delete;
    RecoveryFile &operator=(const RecoveryFile &) = delete;

    QString path() const { return m_path; }

    // The copy left by an earlier run, or nothing when there is none or it cannot be read.
    std::optional<DocumentText> read() const;
    // Queues the text to be written; returns at once.
    void write(const QStringList &paragraphs, const std::vector<ParagraphEnd> &ends);
    // Drops what is queued, waits for a write in progress, then deletes the file.
    void remove();
    // Waits until everything queued has been written.
    void flush();

private:
    struct Snapshot
    {
        QStringList paragraphs;
        std::vector<ParagraphEnd> ends;
    };

    void run();
    void writeNow(const Snapshot &snapshot) const;

    const QString m_path;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::optional<Snapshot> m_pending;
    bool m_busy = false;
    bool m_stopping = false;
    std::thread m_worker;
};

} // namespace calmdesk
