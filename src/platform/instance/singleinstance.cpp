// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/instance/singleinstance.h"

#include "platform/instance/instanceconnection.h"
#include "platform/instance/instanceprotocol.h"
#include "platform/instance/peercredentials.h"
#include "platform/instance/privatefolder.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

namespace calmdesk {

namespace {

// A first instance that has just taken the lock needs a moment before it listens; a second
// start keeps trying to connect for this long before it concludes nobody is there.
constexpr int kConnectGraceMs = 1000;
constexpr int kConnectAttemptMs = 250;
constexpr int kConnectRetryPauseMs = 50;

// Coming to the front is quick; a first instance that does not answer in this time is hung.
constexpr int kActivateReplyLimitMs = 5000;

// An open request waits for the first instance's handler, which may ask the user about
// unsaved changes. This limit only ends the wait on a hung first instance.
constexpr int kOpenReplyLimitMs = 30 * 60 * 1000;

constexpr QFileDevice::Permissions kOwnerReadWrite =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner;

} // namespace

SingleInstance::SingleInstance(const QString &key, QObject *parent)
    : QObject(parent)
    , m_key(key)
{}

SingleInstance::~SingleInstance()
{
    // The socket goes before the lock, so a new first instance never meets our socket.
    if (m_server)
        m_server->close();
}

bool SingleInstance::start()
{
    if (m_role != Role::NotStarted)
        return isPrimary();

    m_folder = privateRuntimeFolder();
    if (m_folder.isEmpty()) {
        qWarning("calmdesk: no private runtime folder; running without the single-instance lock");
        m_role = Role::Primary;
        return true;
    }

    m_lock = std::make_unique<QLockFile>(lockFilePath());
    // Only a dead owner makes the lock stale; a long-running first instance keeps it.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        if (m_lock->error() == QLockFile::LockFailedError) {
            m_role = Role::Secondary;
            return false;
        }
        qWarning("calmdesk: cannot create the instance lock %s; running alone",
                 qPrintable(lockFilePath()));
        m_lock.reset();
        m_role = Role::Primary;
        return true;
    }
    QFile::setPermissions(lockFilePath(), kOwnerReadWrite);
    m_role = Role::Primary;
    listen();
    return true;
}

void SingleInstance::listen()
{
    // Only the lock holder may remove a socket file: one left here belongs to a dead owner.
    QLocalServer::removeServer(serverPath());
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    if (!m_server->listen(serverPath())) {
        qWarning("calmdesk: cannot listen on %s: %s", qPrintable(serverPath()),
                 qPrintable(m_server->errorString()));
        delete m_server;
        m_server = nullptr;
    }
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        if (!isSameUserPeer(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        new InstanceConnection(
            socket, [this](instanceprotocol::Command command) { handle(command); }, this);
    }
}

void SingleInstance::handle(instanceprotocol::Command command)
{
    switch (command) {
    case instanceprotocol::Command::Activate:
        emit activateRequested();
        break;
    case instanceprotocol::Command::Open:
        emit openRequested();
        break;
    }
}

bool SingleInstance::isPrimary() const
{
    return m_role == Role::Primary;
}

bool SingleInstance::isListening() const
{
    return m_server && m_server->isListening();
}

bool SingleInstance::requestActivate()
{
    return sendRequest(instanceprotocol::Command::Activate, kActivateReplyLimitMs);
}

bool SingleInstance::requestOpen()
{
    return sendRequest(instanceprotocol::Command::Open, kOpenReplyLimitMs);
}

bool SingleInstance::sendRequest(instanceprotocol::Command command, int replyLimitMs) const
{
    if (m_role != Role::Secondary)
        return false;

    QLocalSocket socket;
    const QDeadlineTimer grace(kConnectGraceMs);
    for (;;) {
        socket.connectToServer(serverPath());
        if (socket.waitForConnected(kConnectAttemptMs))
            break;
        socket.abort();
        if (grace.hasExpired())
            return false;
        QThread::msleep(kConnectRetryPauseMs);
    }

    socket.write(instanceprotocol::requestLine(command));
    if (!socket.waitForBytesWritten(kConnectAttemptMs) && socket.bytesToWrite() > 0)
        return false;

    const QDeadlineTimer replyDeadline(replyLimitMs);
    while (!socket.canReadLine()) {
        if (socket.bytesAvailable() > instanceprotocol::kMaxLineLength)
            return false;
        const auto remaining = static_cast<int>(replyDeadline.remainingTime());
        if (remaining <= 0 || !socket.waitForReadyRead(remaining))
            break;
    }
    if (!socket.canReadLine())
        return false;
    return instanceprotocol::isAcceptedReply(socket.readLine(instanceprotocol::kMaxLineLength));
}

QString SingleInstance::lockFilePath() const
{
    return m_folder + QLatin1Char('/') + m_key + QStringLiteral(".lock");
}

QString SingleInstance::serverPath() const
{
    return m_folder + QLatin1Char('/') + m_key + QStringLiteral(".socket");
}

} // namespace calmdesk
