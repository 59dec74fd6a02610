// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

namespace calmdesk {

// Turns SIGTERM, SIGINT and SIGHUP (a session ending, `kill`, Ctrl+C in a terminal) into a
// signal on the event loop, so the editor closes through its normal path (and asks about
// unsaved changes) instead of dying with them.
class TerminationWatcher : public QObject
{
    Q_OBJECT

public:
    explicit TerminationWatcher(QObject *parent = nullptr);
    ~TerminationWatcher() override;

    // False when the signals could not be caught (the default handling stays).
    bool isActive() const { return m_notifier != nullptr; }

signals:
    void terminationRequested();

private:
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace calmdesk
