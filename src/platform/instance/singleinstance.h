// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

namespace calmdesk {

namespace instanceprotocol {
enum class Command;
}

// One running instance per user: a lock file and a local socket in the user's private
// runtime folder. The first start takes the lock and listens; a later start finds the lock
// taken and talks to the first through the socket, asking it to come to the front or to
// open the file handed over through the settings store.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(const QString &key = QStringLiteral("calmdesk"),
                            QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this is the first instance. Also true when the lock cannot be made at all
    // (no private folder): running alone beats not running.
    bool start();

    bool isPrimary() const;
    // The first instance can be reached by later starts.
    bool isListening() const;

    // Second instance: ask the first to come to the front. False when nobody answered
    // within a short time, and on the first instance itself.
    bool requestActivate();
    // Second instance: ask the first to open the handed-over file. Returns once the first
    // has finished handling it (a message box there keeps this waiting), within a
    // generous safety limit.
    bool requestOpen();

    QString lockFilePath() const;
    QString serverPath() const;

signals:
    // Emitted on the first instance before the reply is written: a directly connected slot
    // finishes before the second start's call returns.
    void activateRequested();
    void openRequested();

private:
    enum class Role { NotStarted, Primary, Secondary };

    void listen();
    void acceptConnections();
    void handle(instanceprotocol::Command command);
    bool sendRequest(instanceprotocol::Command command, int replyLimitMs) const;

    QString m_key;
    QString m_folder;
    Role m_role = Role::NotStarted;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};

} // namespace calmdesk
