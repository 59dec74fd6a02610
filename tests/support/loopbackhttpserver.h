// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>

namespace calmdesk::test {

// A real HTTP server on 127.0.0.1 for the tests that download: each path answers with its
// page, an unknown path with 404, and a path marked silent never answers at all.
class LoopbackHttpServer : public QTcpServer
{
public:
    LoopbackHttpServer()
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    QString address(const QString &path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path);
    }

    QHash<QByteArray, QByteArray> pages;
    QList<QByteArray> silent;
    QList<QByteArray> requested;

private:
    void answer(QTcpSocket *socket)
    {
        const QByteArray request = socket->readAll();
        const QByteArray path = request.split(' ').value(1);
        requested << path;
        if (silent.contains(path))
            return;
        const bool known = pages.contains(path);
        const QByteArray body = known ? pages.value(path) : QByteArray("missing");
        socket->write((known ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 404 Not Found\r\n") +
                      QByteArray("Content-Type: text/html\r\nConnection: close\r\n"
                                 "Content-Length: ") +
                      QByteArray::number(body.size()) + "\r\n\r\n" + body);
        socket->disconnectFromHost();
    }
};

} // namespace calmdesk::test
