// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/recoveryfile.h"

#include "core/folders.h"
#include "platform/codec/textfilecodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace calmdesk {

namespace {

constexpr QFileDevice::Permissions kOwnerReadWrite =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner;

QString stateHome()
{
    // $XDG_STATE_HOME when it names an absolute folder, else ~/.local/state.
    const QString configured = qEnvironmentVariable("XDG_STATE_HOME");
    if (!configured.isEmpty() && QDir::isAbsolutePath(configured))
        return configured;
    return QDir::homePath() + QStringLiteral("/.local/state");
}

} // namespace

QString RecoveryFile::defaultPath()
{
    return stateHome() + QStringLiteral("/calmdesk/recovery.txt");
}

RecoveryFile::RecoveryFile(QString path)
    : m_path(std::move(path))
    , m_worker([this] { run(); })
{}

RecoveryFile::~RecoveryFile()
{
    {
        // What is queued is still written: the copy is the last line of defence.
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_worker.join();
}

std::optional<DocumentText> RecoveryFile::read() const
{
    if (!QFileInfo(m_path).isFile())
        return std::nullopt;
    DocumentLoadResult loaded = loadDocumentFile(m_path);
    if (loaded.status != LoadStatus::Ok)
        return std::nullopt;
    return std::move(loaded.document);
}

void RecoveryFile::write(const QStringList &paragraphs, const std::vector<ParagraphEnd> &ends)
{
    {
        const std::lock_guard lock(m_mutex);
        m_pending = Snapshot{paragraphs, ends};
    }
    m_wake.notify_one();
}

void RecoveryFile::remove()
{
    std::unique_lock lock(m_mutex);
    m_pending.reset();
    m_idle.wait(lock, [this] { return !m_busy; });
    // Held while deleting, so no write can start before the file is gone.
    QFile::remove(m_path);
}

void RecoveryFile::flush()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return !m_busy && !m_pending; });
}

void RecoveryFile::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || m_pending; });
        if (!m_pending)
            return;
        const Snapshot snapshot = std::move(*m_pending);
        m_pending.reset();
        m_busy = true;
        lock.unlock();
        writeNow(snapshot);
        lock.lock();
        m_busy = false;
        m_idle.notify_all();
    }
}

void RecoveryFile::writeNow(const Snapshot &snapshot) const
{
    // Failures are silent: without a writable state folder there is no crash recovery.
    if (!makeFolderPath(QFileInfo(m_path).path()))
        return;
    if (!QFileInfo::exists(m_path)) {
        // The atomic replace keeps the old file's permissions: make it the owner's first.
        QFile first(m_path);
        if (!first.open(QIODevice::WriteOnly) || !first.setPermissions(kOwnerReadWrite))
            return;
    }
    const TextFileFormat format{TextEncoding::Utf8, LineBreak::Lf};
    saveDocumentFile(m_path, snapshot.paragraphs, snapshot.ends, format);
}

} // namespace calmdesk
