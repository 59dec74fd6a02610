// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/instance/instanceprotocol.h"

#include <QByteArray>
#include <QObject>

#include <functional>

class QLocalSocket;
class QTimer;

namespace calmdesk {

// The running instance's side of one connection from a second start: reads a single
// request line, runs the handler, and only then writes the reply. The handler may run a
// nested event loop (a message box) for as long as it likes. Deletes itself when done.
class InstanceConnection : public QObject
{
public:
    using Handler = std::function<void(instanceprotocol::Command)>;

    InstanceConnection(QLocalSocket *socket, Handler handler, QObject *parent);

private:
    void readRequest();
    void answer(const QByteArray &reply);
    void onDisconnected();

    QLocalSocket *m_socket;
    QTimer *m_idleLimit;
    Handler m_handler;
    QByteArray m_buffer;
    bool m_handling = false;
};

} // namespace calmdesk
