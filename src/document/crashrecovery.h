// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>

#include <memory>

class QTimer;

namespace calmdesk {

class RecoveryFile;
class TextControl;

// The crash-recovery copy of the text on screen. It is written every four minutes, when
// Enter comes up, and a few seconds after typing pauses, so an abnormal end loses at most
// the last seconds of work; a normal close removes it. The writes run off the typing path.
class CrashRecovery : public QObject
{
    Q_OBJECT

public:
    static constexpr int kRecoveryIntervalMs = 240000;
    static constexpr int kTypingPauseMs = 3000;

    // Uses (and owns) the copy at `path`.
    CrashRecovery(TextControl *txtMain, const QString &path, QObject *parent = nullptr);
    ~CrashRecovery() override;

    // Start-up: a copy left by an abnormal end is put in place of the (untitled) text.
    // True when it brought back text that differs from what was there (the writer is to
    // be told); a copy of blanks is loaded but is no recovered text.
    bool restoreAtStart();
    // Writes the copy of the text now (in the background).
    void writeCopy();
    // A normal close: the copy goes, and nothing writes it again.
    void removeCopy();

    RecoveryFile &file() const { return *m_file; }
    QTimer *recoveryTimer() const { return tmrRecovery; }
    QTimer *pauseTimer() const { return m_pause; }

private:
    void pauseTimeout();

    TextControl *m_txtMain;
    std::unique_ptr<RecoveryFile> m_file;
    QTimer *tmrRecovery;
    QTimer *m_pause;
    QElapsedTimer m_lastChange;
    bool m_removed = false;
};

} // namespace calmdesk
