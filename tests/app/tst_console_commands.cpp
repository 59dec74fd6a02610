// SPDX-License-Identifier: GPL-3.0-or-later
#include "testmain.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

using calmdesk::test::IsolatedEnvironment;

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the real program with no display of any kind, as on a server or in a script.
Run runCalmdesk(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(env);
    process.start(calmdesk::test::calmdeskExecutable(), arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

const QString kGeneral = QStringLiteral("Software\\Osmira\\v11\\Settings\\general");

QString settingsFile()
{
    return IsolatedEnvironment::current()->configHome() + QStringLiteral("/calmdesk/settings.db");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestConsoleCommands : public QObject
{
    Q_OBJECT

private slots:
    void init() { IsolatedEnvironment::current()->reset(); }

    void versionAndHelpNeedNoDisplay()
    {
        const Run version = runCalmdesk({QStringLiteral("--version")});
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out, QStringLiteral("Calmdesk 1.12\n"));

        const Run help = runCalmdesk({QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains(QStringLiteral("--reg")));
    }

    void unknownOptionIsAUsageError()
    {
        const Run run = runCalmdesk({QStringLiteral("--colour")});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.contains(QStringLiteral("--colour")));
    }

    void valueWrittenByOneRunIsReadByTheNext()
    {
        const Run add = runCalmdesk({QStringLiteral("--reg"), QStringLiteral("add"), kGeneral,
                                     QStringLiteral("width"), QStringLiteral("75")});
        QCOMPARE(add.exitCode, 0);
        QVERIFY(QFile::exists(IsolatedEnvironment::current()->configHome() +
                              QStringLiteral("/calmdesk/settings.db")));

        const Run query = runCalmdesk(
            {QStringLiteral("--reg"), QStringLiteral("query"), kGeneral, QStringLiteral("width")});
        QCOMPARE(query.exitCode, 0);
        QCOMPARE(query.out.trimmed(), QStringLiteral("75"));
    }

    void queryOfAMissingValueFails()
    {
        const Run query = runCalmdesk(
            {QStringLiteral("--reg"), QStringLiteral("query"), kGeneral, QStringLiteral("nope")});
        QCOMPARE(query.exitCode, 1);
        QVERIFY(query.out.isEmpty());
    }

    void exportThenImportRestoresADeletedTree()
    {
        QCOMPARE(runCalmdesk({QStringLiteral("--reg"), QStringLiteral("add"), kGeneral,
                              QStringLiteral("txtfont"), QStringLiteral("Liberation \"Mono\"")})
                     .exitCode,
                 0);
        const Run dump = runCalmdesk({QStringLiteral("--reg"), QStringLiteral("export")});
        QCOMPARE(dump.exitCode, 0);
        const QString dumpPath =
            IsolatedEnvironment::current()->root() + QStringLiteral("/dump.reg");
        QFile file(dumpPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(dump.out.toUtf8());
        file.close();

        QCOMPARE(runCalmdesk({QStringLiteral("--reg"), QStringLiteral("delete"),
                              QStringLiteral("Software\\Osmira")})
                     .exitCode,
                 0);
        QCOMPARE(runCalmdesk({QStringLiteral("--reg"), QStringLiteral("query"), kGeneral,
                              QStringLiteral("txtfont")})
                     .exitCode,
                 1);

        QCOMPARE(
            runCalmdesk({QStringLiteral("--reg"), QStringLiteral("import"), dumpPath}).exitCode, 0);
        const Run query = runCalmdesk({QStringLiteral("--reg"), QStringLiteral("query"), kGeneral,
                                       QStringLiteral("txtfont")});
        QCOMPARE(query.out.trimmed(), QStringLiteral("Liberation \"Mono\""));
    }

    // A command on a store that lives in memory would report a success that is none.
    void unusableStoreRefusesTheCommand()
    {
        const QString folder = QFileInfo(settingsFile()).absolutePath();
        writeFile(folder, QByteArray("in the way"));
        const Run add = runCalmdesk({QStringLiteral("--reg"), QStringLiteral("add"), kGeneral,
                                     QStringLiteral("width"), QStringLiteral("75")});
        QCOMPARE(add.exitCode, 1);
        QVERIFY2(add.err.contains(QStringLiteral("calmdesk: ")) && add.err.contains(settingsFile()),
                 qPrintable(add.err));
        QCOMPARE(readFile(folder), QByteArray("in the way"));
    }
};

CALMDESK_TEST_MAIN_CORE(TestConsoleCommands)
#include "tst_console_commands.moc"
