// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/store/sqlitesettingsstore.h"
#include "settings/settings.h"
#include "settings/settingsio.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

#include <csignal>
#include <memory>

using namespace calmdesk;
using calmdesk::test::IsolatedEnvironment;

// Two real editor processes, as a writer starts them from a terminal or a file manager.
class TestHandOver : public QObject
{
    Q_OBJECT

    std::unique_ptr<QProcess> first;

    QString folder() const { return IsolatedEnvironment::current()->root() + "/docs"; }
    QString socketPath() const
    {
        return IsolatedEnvironment::current()->runtimeDir() + "/calmdesk.socket";
    }
    QString writeFile(const QString &name, const QByteArray &bytes) const
    {
        const QString path = folder() + "/" + name;
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return path;
    }
    QString readGeneral(const QString &name) const
    {
        SqliteSettingsStore store(SqliteSettingsStore::defaultPath());
        return store.regReadString(generalKey(settingsRoot()), name);
    }

    void startFirst(const QStringList &arguments)
    {
        first = std::make_unique<QProcess>();
        first->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        first->start(calmdesk::test::calmdeskExecutable(), arguments);
        QVERIFY(first->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(socketPath()), 20000);
    }

    int runSecond(const QStringList &arguments, const QString &workingFolder = QString())
    {
        QProcess second;
        second.setProcessChannelMode(QProcess::ForwardedChannels);
        if (!workingFolder.isEmpty())
            second.setWorkingDirectory(workingFolder);
        second.start(calmdesk::test::calmdeskExecutable(), arguments);
        if (!second.waitForFinished(30000))
            return -1;
        return second.exitCode();
    }

    // Ends the first editor as the session would; it closes through its normal path.
    void endFirst()
    {
        ::kill(pid_t(first->processId()), SIGTERM);
        QVERIFY(first->waitForFinished(20000));
        QCOMPARE(first->exitStatus(), QProcess::NormalExit);
        QCOMPARE(first->exitCode(), 0);
    }

private slots:
    void init()
    {
        IsolatedEnvironment::current()->reset();
        QVERIFY(QDir().mkpath(folder()));
    }

    void cleanup()
    {
        if (first && first->state() != QProcess::NotRunning) {
            first->kill();
            first->waitForFinished();
        }
        first.reset();
    }

    void secondStartOpensItsFileInTheFirstWindow()
    {
        const QString a = writeFile("notes.txt", "notes");
        const QString b = writeFile("Other.txt", "other");
        startFirst({a});
        QCOMPARE(runSecond({b}), 0);
        // The first has taken the file and emptied the value before the second returned.
        QCOMPARE(readGeneral("fdf"), QString());
        endFirst();
        QCOMPARE(readGeneral("lastknonw"), b);
    }

    void relativeNameIsTheSecondStartsFolder()
    {
        const QString a = writeFile("notes.txt", "notes");
        const QString b = writeFile("other.txt", "other");
        startFirst({a});
        QCOMPARE(runSecond({"other.txt"}, folder()), 0);
        endFirst();
        QCOMPARE(readGeneral("lastknonw"), b);
    }

    void missingFileOnlyBringsTheFirstForward()
    {
        const QString a = writeFile("notes.txt", "notes");
        startFirst({a});
        QCOMPARE(runSecond({folder() + "/missing.txt"}), 0);
        QVERIFY(readGeneral("fdf").isEmpty());
        endFirst();
        QCOMPARE(readGeneral("lastknonw"), a);
    }

    void signalDuringAStartUpBoxEndsTheEditor()
    {
        // The codec refuses a NUL byte: "Unable to open file" waits for a writer who is away.
        const QString refused = writeFile("nul.txt", QByteArray("a\0b", 3));
        for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
            startFirst({refused});
            ::kill(pid_t(first->processId()), signal);
            QVERIFY(first->waitForFinished(20000));
            QCOMPARE(first->exitCode(), 0);
            // Nothing is left holding the lock: the next start is an editor again.
            QVERIFY(!QFileInfo::exists(socketPath()));
        }
    }

    // A second start has no window: what became of its settings file goes to standard
    // error. Here its configuration folder is blocked, so it runs on its defaults.
    void secondStartSaysWhatBecameOfItsSettings()
    {
        const QString a = writeFile("notes.txt", "notes");
        startFirst({a});
        const QString blocked = IsolatedEnvironment::current()->root() + "/blocked";
        QVERIFY(QDir().mkpath(blocked));
        QFile inTheWay(blocked + "/calmdesk");
        QVERIFY(inTheWay.open(QIODevice::WriteOnly));
        inTheWay.close();
        QProcess second;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", blocked);
        second.setProcessEnvironment(env);
        second.start(calmdesk::test::calmdeskExecutable(), {a});
        QVERIFY(second.waitForFinished(30000));
        QCOMPARE(second.exitCode(), 0);
        const QString err = QString::fromUtf8(second.readAllStandardError());
        QVERIFY2(err.contains("calmdesk: ") && err.contains(blocked + "/calmdesk/settings.db"),
                 qPrintable(err));
        endFirst();
    }

    void secondStartWithoutAnEditorRunningBecomesTheEditor()
    {
        const QString a = writeFile("notes.txt", "notes");
        startFirst({a});
        endFirst();
        QVERIFY(!QFileInfo::exists(socketPath()));
        startFirst({});
        endFirst();
    }
};

CALMDESK_TEST_MAIN_CORE(TestHandOver)
#include "tst_handover.moc"
