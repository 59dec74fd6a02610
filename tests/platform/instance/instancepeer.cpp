// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the program in the single-instance tests: a real process that acts as
// the first instance, a second start, or a process that holds the lock without answering.
//
//   instancepeer primary <log> [holdMs] [exitAfter]
//   instancepeer second <log> [open]
//   instancepeer holdlock
//
// It reports on stdout, one word a line, and appends what it handled to <log>.

#include "platform/instance/privatefolder.h"
#include "platform/instance/singleinstance.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QLockFile>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int kUsageError = 2;
constexpr int kWrongRole = 3;

void say(const QString &line)
{
    QTextStream out(stdout);
    out << line << Qt::endl;
}

void logEvent(const QString &logPath, const char *event)
{
    QFile log(logPath);
    if (log.open(QIODevice::WriteOnly | QIODevice::Append))
        log.write(QByteArray(event) + '\n');
}

int runPrimary(const QStringList &args)
{
    const QString logPath = args.value(2);
    const int holdMs = args.value(3).toInt();
    const int exitAfter = args.value(4).toInt();

    calmdesk::SingleInstance instance;
    if (!instance.start()) {
        say(QStringLiteral("second"));
        return kWrongRole;
    }
    say(QStringLiteral("primary"));
    say(QStringLiteral("lock=") + instance.lockFilePath());
    say(QStringLiteral("socket=") + instance.serverPath());

    int handled = 0;
    const auto countOne = [&] {
        if (++handled == exitAfter)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    };
    QObject::connect(&instance, &calmdesk::SingleInstance::activateRequested, [&] {
        logEvent(logPath, "activate");
        countOne();
    });
    QObject::connect(&instance, &calmdesk::SingleInstance::openRequested, [&] {
        logEvent(logPath, "open-begin");
        // As a message box would: a nested loop that keeps serving events.
        QEventLoop loop;
        QTimer::singleShot(holdMs, &loop, &QEventLoop::quit);
        loop.exec();
        logEvent(logPath, "open-end");
        countOne();
    });
    return QCoreApplication::exec();
}

int runSecond(const QStringList &args)
{
    const QString logPath = args.value(2);
    const bool open = args.value(3) == QLatin1String("open");

    calmdesk::SingleInstance instance;
    if (instance.start()) {
        say(QStringLiteral("primary"));
        return kWrongRole;
    }
    say(QStringLiteral("second"));
    if (!instance.requestActivate()) {
        say(QStringLiteral("no-answer"));
        return 0;
    }
    say(QStringLiteral("activated"));
    if (open) {
        const bool opened = instance.requestOpen();
        logEvent(logPath, "open-returned");
        say(opened ? QStringLiteral("opened") : QStringLiteral("open-failed"));
    }
    return 0;
}

int runHoldLock()
{
    QLockFile lock(calmdesk::privateRuntimeFolder() + QStringLiteral("/calmdesk.lock"));
    if (!lock.tryLock(0))
        return kWrongRole;
    say(QStringLiteral("locked"));
    return QCoreApplication::exec();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString mode = args.value(1);
    if (mode == QLatin1String("primary"))
        return runPrimary(args);
    if (mode == QLatin1String("second"))
        return runSecond(args);
    if (mode == QLatin1String("holdlock"))
        return runHoldLock();
    std::fputs("usage: instancepeer primary|second|holdlock ...\n", stderr);
    return kUsageError;
}
