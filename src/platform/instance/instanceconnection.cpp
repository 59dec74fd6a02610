// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/instance/instanceconnection.h"

#include <QLocalSocket>
#include <QPointer>
#include <QTimer>

namespace calmdesk {

namespace {

// A peer that connects and says nothing is dropped after this long; the wait for a
// handler has no such limit.
constexpr int kRequestReadLimitMs = 5000;

} // namespace

InstanceConnection::InstanceConnection(QLocalSocket *socket, Handler handler, QObject *parent)
    : QObject(parent)
    , m_socket(socket)
    , m_idleLimit(new QTimer(this))
    , m_handler(std::move(handler))
{
    m_socket->setParent(this);
    m_idleLimit->setSingleShot(true);
    m_idleLimit->setInterval(kRequestReadLimitMs);
    connect(m_idleLimit, &QTimer::timeout, this, [this] {
        m_socket->abort();
        deleteLater();
    });
    connect(m_socket, &QLocalSocket::readyRead, this, &InstanceConnection::readRequest);
    connect(m_socket, &QLocalSocket::disconnected, this, &InstanceConnection::onDisconnected);
    m_idleLimit->start();
    // Data may have arrived before we were listening for it.
    if (m_socket->bytesAvailable() > 0)
        QTimer::singleShot(0, this, &InstanceConnection::readRequest);
}

void InstanceConnection::readRequest()
{
    if (m_handling)
        return;
    const qsizetype room = instanceprotocol::kMaxLineLength + 1 - m_buffer.size();
    m_buffer += m_socket->read(room);
    const qsizetype end = m_buffer.indexOf('\n');
    if (end < 0) {
        if (m_buffer.size() > instanceprotocol::kMaxLineLength)
            answer(instanceprotocol::refusedReply(instanceprotocol::Refusal::TooLong));
        return;
    }

    const instanceprotocol::ParsedRequest request =
        instanceprotocol::parseRequest(QByteArrayView(m_buffer).first(end + 1));
    if (!request.command) {
        answer(instanceprotocol::refusedReply(request.refusal));
        return;
    }

    // One request per connection: nothing more is read, and the handler may take its time.
    m_idleLimit->stop();
    disconnect(m_socket, &QLocalSocket::readyRead, this, &InstanceConnection::readRequest);
    m_handling = true;
    QPointer<InstanceConnection> self(this);
    const Handler handler = m_handler; // the handler may end our owner's life
    handler(*request.command);
    if (!self)
        return;
    m_handling = false;
    answer(instanceprotocol::acceptedReply());
}

void InstanceConnection::answer(const QByteArray &reply)
{
    m_idleLimit->stop();
    if (m_socket->state() != QLocalSocket::ConnectedState) {
        deleteLater();
        return;
    }
    m_socket->write(reply);
    // Flushes what is pending, then reports disconnected, which ends this object.
    m_socket->disconnectFromServer();
}

void InstanceConnection::onDisconnected()
{
    // A peer that gave up while its request is being handled: finish quietly afterwards.
    if (!m_handling)
        deleteLater();
}

} // namespace calmdesk
