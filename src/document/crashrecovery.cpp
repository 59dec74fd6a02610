// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/crashrecovery.h"

#include "core/asciitext.h"
#include "document/paragraphends.h"
#include "document/recoveryfile.h"
#include "platform/text/textcontrol.h"

#include <QTimer>

namespace calmdesk {

CrashRecovery::CrashRecovery(TextControl *txtMain, const QString &path, QObject *parent)
    : QObject(parent)
    , m_txtMain(txtMain)
    , m_file(std::make_unique<RecoveryFile>(path))
    , tmrRecovery(new QTimer(this))
    , m_pause(new QTimer(this))
{
    tmrRecovery->setInterval(kRecoveryIntervalMs);
    connect(tmrRecovery, &QTimer::timeout, this, &CrashRecovery::writeCopy);
    tmrRecovery->start();

    m_pause->setSingleShot(true);
    connect(m_pause, &QTimer::timeout, this, &CrashRecovery::pauseTimeout);
    // A keystroke only notes its time; the timer is armed once per burst of typing and
    // looks at that time when it fires, so typing never re-registers a timer.
    connect(m_txtMain, &TextControl::changed, this, [this] {
        m_lastChange.start();
        if (!m_pause->isActive())
            m_pause->start(kTypingPauseMs);
    });
}

CrashRecovery::~CrashRecovery() = default;

bool CrashRecovery::restoreAtStart()
{
    const qsizetype before = trimmed(m_txtMain->text()).size();
    const std::optional<DocumentText> copy = m_file->read();
    if (!copy)
        return false;
    m_txtMain->setParagraphs(copy->paragraphs, tagsOf(copy->ends));
    // Loading it is no pause in typing: the copy on disk is already this text.
    m_pause->stop();
    const qsizetype after = trimmed(m_txtMain->text()).size();
    return after != before && after > 0;
}

void CrashRecovery::pauseTimeout()
{
    const qint64 quiet = m_lastChange.elapsed();
    if (quiet < kTypingPauseMs) {
        m_pause->start(int(kTypingPauseMs - quiet));
        return;
    }
    writeCopy();
}

void CrashRecovery::writeCopy()
{
    if (m_removed)
        return;
    m_pause->stop();
    m_file->write(m_txtMain->paragraphs(), endsOf(m_txtMain->paragraphTags()));
}

void CrashRecovery::removeCopy()
{
    m_removed = true;
    tmrRecovery->stop();
    m_pause->stop();
    m_file->remove();
}

} // namespace calmdesk
