// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class QTimer;

namespace calmdesk {

class DocumentHandler;
class MessageBoxes;
class StatusPanel;
struct Settings;

// The backup point and the automatic saves: "Create Restore Point" and "Restore Last
// Backup", the ten-minute timer (backup point and save) and what Enter does at a
// paragraph's end (the same, before the line break goes in).
class SafetyNets : public QObject
{
    Q_OBJECT

public:
    static constexpr int kTimedIntervalMs = 600000;

    // The time of day for the "Auto-saved at" note, with or without seconds; the caller
    // makes that the program's long time format too.
    using TimeText = std::function<QString(bool withSeconds)>;

    SafetyNets(DocumentHandler *document, StatusPanel *pctStatus, MessageBoxes &messages,
               TimeText timeText, QObject *parent = nullptr);

    // Which nets are on: restpar, restmin, savepar and savemin.
    void applySettings(const Settings &settings);

    void mnuSaveRestoreClick();
    void mnuRestoreClick();
    // Every ten minutes, once a document has been opened.
    void tmrTimerTimer();
    // Enter is going down in the text, before the break is inserted.
    void paragraphEnding();
    // A document was opened: a full ten-minute period begins.
    void restartTimedActions();

    QTimer *timedActionsTimer() const { return tmrTimer; }

signals:
    // The paragraph-end save succeeded; its note shows once the break is in.
    void paragraphSaved();

private:
    void showSavedNote(bool withSeconds);

    DocumentHandler *m_document;
    StatusPanel *m_pctStatus;
    MessageBoxes &m_messages;
    TimeText m_timeText;
    QTimer *tmrTimer;

    bool m_restpar = false;
    bool m_restmin = false;
    bool m_savepar = false;
    bool m_savemin = false;
};

} // namespace calmdesk
