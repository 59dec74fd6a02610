// SPDX-License-Identifier: GPL-3.0-or-later
// The single instance between real processes: the first start listens, later starts hand
// their requests over and wait for the answer.

#include "testmain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>

#include <csignal>
#include <initializer_list>
#include <memory>
#include <vector>

namespace {

constexpr int kStartLimitMs = 10000;
constexpr int kFinishLimitMs = 20000;
// How long the first instance's open handler keeps its nested loop running.
constexpr int kHandlerHoldMs = 300;
constexpr int kLongHandlerHoldMs = 1500;
// A second start facing a silent lock holder gives up after its connect grace (1 s).
constexpr qint64 kSilentHolderLimitMs = 3000;
// A hung first instance is given the activation limit (5 s) before the second gives up.
constexpr qint64 kHungFirstLimitMs = 9000;

constexpr QFileDevice::Permissions kOthersAccess =
    QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
    QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;

QStringList words(std::initializer_list<const char *> list)
{
    QStringList result;
    for (const char *word : list)
        result << QString::fromLatin1(word);
    return result;
}

QString peerProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/instancepeer");
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private:
    QProcess *startPeer(const QStringList &arguments)
    {
        auto process = std::make_unique<QProcess>();
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(peerProgram(), arguments);
        QProcess *raw = process.get();
        m_peers.push_back(std::move(process));
        return raw;
    }

    static QString nextLine(QProcess *process)
    {
        QElapsedTimer timer;
        timer.start();
        while (!process->canReadLine() && timer.elapsed() < kStartLimitMs) {
            if (!process->waitForReadyRead(kStartLimitMs) &&
                process->state() == QProcess::NotRunning)
                break;
        }
        return QString::fromUtf8(process->readLine()).trimmed();
    }

    QProcess *startPrimary(int holdMs = 0, int exitAfter = 0)
    {
        QProcess *primary = startPeer({QStringLiteral("primary"), logPath(),
                                       QString::number(holdMs), QString::number(exitAfter)});
        const QString role = nextLine(primary);
        if (role != QLatin1String("primary"))
            qWarning("the first peer reported '%s'", qPrintable(role));
        m_lockPath = nextLine(primary).section(QLatin1Char('='), 1);
        m_socketPath = nextLine(primary).section(QLatin1Char('='), 1);
        return primary;
    }

    QProcess *startSecond(bool open = false)
    {
        QStringList arguments{QStringLiteral("second"), logPath()};
        if (open)
            arguments << QStringLiteral("open");
        return startPeer(arguments);
    }

    // Everything a finished second start printed, one entry a line.
    static QStringList finishedOutput(QProcess *process)
    {
        if (!process->waitForFinished(kFinishLimitMs))
            return {QStringLiteral("<still running>")};
        return QString::fromUtf8(process->readAllStandardOutput())
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QStringList handledEvents() const
    {
        QFile log(logPath());
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QString logPath() const
    {
        return calmdesk::test::IsolatedEnvironment::current()->root() +
               QStringLiteral("/handled.log");
    }

    // Sends one raw line to the first instance and returns its reply line.
    QByteArray rawExchange(const QByteArray &request) const
    {
        QLocalSocket socket;
        socket.connectToServer(m_socketPath);
        if (!socket.waitForConnected(kStartLimitMs))
            return "<no connection>";
        socket.write(request);
        socket.waitForBytesWritten(kStartLimitMs);
        while (!socket.canReadLine() && socket.waitForReadyRead(kStartLimitMs)) {
        }
        return socket.readLine();
    }

    std::vector<std::unique_ptr<QProcess>> m_peers;
    QString m_lockPath;
    QString m_socketPath;

private slots:
    void init()
    {
        calmdesk::test::IsolatedEnvironment::current()->reset();
        m_lockPath.clear();
        m_socketPath.clear();
    }

    void cleanup()
    {
        for (const auto &peer : m_peers) {
            if (peer->state() != QProcess::NotRunning) {
                ::kill(static_cast<pid_t>(peer->processId()), SIGCONT);
                peer->kill();
                peer->waitForFinished(kFinishLimitMs);
            }
        }
        m_peers.clear();
    }

    void secondStartActivatesTheFirst()
    {
        QProcess *primary = startPrimary();
        QCOMPARE(primary->state(), QProcess::Running);

        QProcess *second = startSecond();
        QCOMPARE(finishedOutput(second), words({"second", "activated"}));
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(handledEvents(), words({"activate"}));
        QCOMPARE(primary->state(), QProcess::Running);
    }

    void openRequestReturnsOnlyAfterTheHandlerFinished()
    {
        startPrimary(kHandlerHoldMs);

        QElapsedTimer timer;
        timer.start();
        QProcess *second = startSecond(true);
        QCOMPARE(finishedOutput(second), words({"second", "activated", "opened"}));
        QVERIFY2(timer.elapsed() >= kHandlerHoldMs, "the open request came back early");
        QCOMPARE(handledEvents(), words({"activate", "open-begin", "open-end", "open-returned"}));
    }

    void firstServesOthersWhileAnOpenRequestWaits()
    {
        startPrimary(kLongHandlerHoldMs);
        QProcess *opener = startSecond(true);
        QTRY_VERIFY_WITH_TIMEOUT(handledEvents().contains(QLatin1String("open-begin")),
                                 kStartLimitMs);

        // A third start during the first's "message box" is still answered at once.
        QProcess *third = startSecond();
        QCOMPARE(finishedOutput(third), words({"second", "activated"}));
        QCOMPARE(opener->state(), QProcess::Running);

        QCOMPARE(finishedOutput(opener), words({"second", "activated", "opened"}));
        QCOMPARE(handledEvents(),
                 words({"activate", "open-begin", "activate", "open-end", "open-returned"}));
    }

    void lockAndSocketGoAwayWithTheFirst()
    {
        QProcess *primary = startPrimary(0, 1);
        QVERIFY(QFileInfo::exists(m_lockPath));
        QVERIFY(QFileInfo::exists(m_socketPath));

        QCOMPARE(finishedOutput(startSecond()), words({"second", "activated"}));
        QVERIFY(primary->waitForFinished(kFinishLimitMs));
        QCOMPARE(primary->exitCode(), 0);
        QVERIFY(!QFileInfo::exists(m_lockPath));
        QVERIFY(!QFileInfo::exists(m_socketPath));
    }

    void staleLockOfAKilledFirstDoesNotBlockANewFirst()
    {
        QProcess *crashed = startPrimary();
        crashed->kill(); // SIGKILL: no clean-up at all
        QVERIFY(crashed->waitForFinished(kFinishLimitMs));
        QVERIFY2(QFileInfo::exists(m_lockPath), "the crash should leave the lock behind");
        QVERIFY2(QFileInfo::exists(m_socketPath), "the crash should leave the socket behind");

        QProcess *restarted = startPrimary();
        QCOMPARE(restarted->state(), QProcess::Running);
        QCOMPARE(finishedOutput(startSecond()), words({"second", "activated"}));
        QCOMPARE(handledEvents(), words({"activate"}));
    }

    void liveLockWithoutListenerEndsTheSecondQuickly()
    {
        QProcess *holder = startPeer({QStringLiteral("holdlock")});
        QCOMPARE(nextLine(holder), QStringLiteral("locked"));

        QElapsedTimer timer;
        timer.start();
        QCOMPARE(finishedOutput(startSecond(true)), words({"second", "no-answer"}));
        QVERIFY2(timer.elapsed() < kSilentHolderLimitMs,
                 qPrintable(QStringLiteral("took %1 ms").arg(timer.elapsed())));
        QVERIFY(handledEvents().isEmpty());
    }

    void hungFirstEndsTheSecondWithinTheActivationLimit()
    {
        QProcess *primary = startPrimary();
        QCOMPARE(::kill(static_cast<pid_t>(primary->processId()), SIGSTOP), 0);

        QElapsedTimer timer;
        timer.start();
        QCOMPARE(finishedOutput(startSecond(true)), words({"second", "no-answer"}));
        QVERIFY2(timer.elapsed() < kHungFirstLimitMs,
                 qPrintable(QStringLiteral("took %1 ms").arg(timer.elapsed())));
        ::kill(static_cast<pid_t>(primary->processId()), SIGCONT);
    }

    void lockSocketAndFolderAreClosedToOthers()
    {
        startPrimary();
        const QString folder = QFileInfo(m_lockPath).absolutePath();
        QCOMPARE(folder, calmdesk::test::IsolatedEnvironment::current()->runtimeDir());
        for (const QString &path : {m_lockPath, m_socketPath, folder}) {
            const QFileInfo info(path);
            QVERIFY2(info.exists(), qPrintable(path));
            QVERIFY2(!(info.permissions() & kOthersAccess), qPrintable(path));
        }
    }

    void malformedRequestsAreRefusedUnhandled_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("reply");

        QTest::newRow("a newer protocol version")
            << QByteArray("CALMDESK 2 OPEN\n") << QByteArray("ERR version\n");
        QTest::newRow("an unknown command")
            << QByteArray("CALMDESK 1 QUIT\n") << QByteArray("ERR command\n");
        QTest::newRow("a stranger's greeting")
            << QByteArray("GET / HTTP/1.0\n") << QByteArray("ERR syntax\n");
        QTest::newRow("an endless line") << QByteArray(4096, 'A') << QByteArray("ERR too-long\n");
    }

    void malformedRequestsAreRefusedUnhandled()
    {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, reply);
        startPrimary();
        QCOMPARE(rawExchange(request), reply);
        QVERIFY(handledEvents().isEmpty());
        // The first instance is still there for a proper request.
        QCOMPARE(rawExchange("CALMDESK 1 ACTIVATE\n"), QByteArray("OK\n"));
        QCOMPARE(handledEvents(), words({"activate"}));
    }
};

CALMDESK_TEST_MAIN_CORE(TestSingleInstance)

#include "tst_singleinstance.moc"
