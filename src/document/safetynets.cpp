// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/safetynets.h"

#include "document/documenthandler.h"
#include "goals/statuspanel.h"
#include "platform/dialogs/messageboxes.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <QTimer>

namespace calmdesk {

namespace {

Message restoreConfirmationMessage()
{
    return Message{
        QCoreApplication::translate("calmdesk::SafetyNets",
                                    "Are you sure you want to restore the last back-up point?"),
        QCoreApplication::translate("calmdesk::SafetyNets", "Restore Confirmation"),
        Message::Icon::Question, Message::Buttons::YesNoCancel};
}

} // namespace

SafetyNets::SafetyNets(DocumentHandler *document, StatusPanel *pctStatus, MessageBoxes &messages,
                       TimeText timeText, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_pctStatus(pctStatus)
    , m_messages(messages)
    , m_timeText(std::move(timeText))
    , tmrTimer(new QTimer(this))
{
    // Off until a document has been opened.
    tmrTimer->setInterval(kTimedIntervalMs);
    connect(tmrTimer, &QTimer::timeout, this, &SafetyNets::tmrTimerTimer);
}

void SafetyNets::applySettings(const Settings &settings)
{
    m_restpar = settings.restpar;
    m_restmin = settings.restmin;
    m_savepar = settings.savepar;
    m_savemin = settings.savemin;
}

void SafetyNets::mnuSaveRestoreClick()
{
    m_document->takeBackupPoint();
}

void SafetyNets::mnuRestoreClick()
{
    if (m_messages.show(restoreConfirmationMessage()) == Answer::Yes)
        m_document->swapWithBackupPoint();
}

void SafetyNets::tmrTimerTimer()
{
    if (m_restmin)
        m_document->takeBackupPoint();
    if (m_savemin && m_document->saveDocument(false, DocumentHandler::SaveKind::Automatic))
        showSavedNote(true);
}

void SafetyNets::paragraphEnding()
{
    if (m_restpar)
        m_document->takeBackupPoint();
    if (!m_savepar || !m_document->saveDocument(false, DocumentHandler::SaveKind::Automatic))
        return;
    // The break about to go in is a change, which puts "Press F1 for Help." in the note's
    // place: the note follows the break, so the writer sees it.
    QTimer::singleShot(0, this, [this] {
        showSavedNote(false);
        emit paragraphSaved();
    });
}

void SafetyNets::restartTimedActions()
{
    tmrTimer->stop();
    tmrTimer->start();
}

void SafetyNets::showSavedNote(bool withSeconds)
{
    m_pctStatus->showHelpText(tr("Auto-saved at %1").arg(m_timeText(withSeconds)));
}

} // namespace calmdesk
