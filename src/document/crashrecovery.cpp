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
    m_pause->setInterval(kTypingPauseMs);
    connect(m_pause, &QTimer::timeout, this, &CrashRecovery::writeCopy);
    // Restarted by every change, so it fires once the typing has paused.
    connect(m_txtMain, &TextControl::changed, m_pause, qOverload<>(&QTimer::start));
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
