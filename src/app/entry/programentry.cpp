// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/entry/programentry.h"

#include "app/entry/appinfo.h"
#include "app/entry/commandline.h"
#include "app/entry/handover.h"
#include "app/entry/startupplan.h"
#include "app/entry/storenotices.h"
#include "app/window/tfrmmain.h"
#include "document/export/exportcommand.h"
#include "platform/dialogs/filedialogs.h"
#include "platform/dialogs/messageboxes.h"
#include "platform/instance/singleinstance.h"
#include "platform/session/terminationwatcher.h"
#include "platform/shell/urlopener.h"
#include "platform/store/sqlitesettingsstore.h"
#include "settings/regcommand.h"

#include <QApplication>
#include <QCoreApplication>
#include <QStandardPaths>
#include <QTextStream>

#include <cstdio>
#include <memory>
#include <unistd.h>

namespace calmdesk {

namespace {

// Exit code of a command line the program does not understand.
constexpr int kUsageError = 2;

int runConsoleCommand(int argc, char **argv, const CommandLine &commandLine)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(programName());
    QCoreApplication::setApplicationVersion(programVersion());
    QTextStream out(stdout);
    QTextStream err(stderr);

    switch (commandLine.mode) {
    case CommandLine::Mode::Help:
        out << commandLineHelp();
        return 0;
    case CommandLine::Mode::Version:
        out << programName() << QLatin1Char(' ') << programVersion() << QLatin1Char('\n');
        return 0;
    case CommandLine::Mode::Registry: {
        SqliteSettingsStore store(SqliteSettingsStore::defaultPath());
        printStoreNotices(storeNotices(store), err);
        // A store that lives in memory would answer from nothing and keep nothing: the
        // command would report a success that is none.
        if (store.isInMemory())
            return 1;
        return runRegCommand(commandLine.registryArguments, store, out, err);
    }
    case CommandLine::Mode::Export: {
        SqliteSettingsStore store(SqliteSettingsStore::defaultPath());
        printStoreNotices(storeNotices(store), err);
        return runExportCommand(
            commandLine.exportArguments, store,
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), err);
    }
    case CommandLine::Mode::Invalid:
        err << QCoreApplication::translate("CommandLine", "Unknown option: %1\n")
                   .arg(commandLine.invalidOption)
            << commandLineHelp();
        return kUsageError;
    case CommandLine::Mode::Editor:
        break;
    }
    return 0;
}

// The browser page's engine, loaded later, keeps its sandbox on, except for the root user,
// for whom it cannot run.
void prepareWebEngine()
{
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

int runEditor(int argc, char **argv, const QStringList &arguments)
{
    prepareWebEngine();
    QApplication app(argc, argv);
    QApplication::setApplicationName(programName());
    QApplication::setApplicationDisplayName(programName());
    QApplication::setApplicationVersion(programVersion());
    QApplication::setDesktopFileName(QStringLiteral("calmdesk"));
    // The editor lives on in the tray when its window is hidden.
    QApplication::setQuitOnLastWindowClosed(false);

    // Caught from the start: a request to end that arrives while the window is still being
    // made (a start-up message box open, say) is honoured as soon as that box is gone.
    auto termination = std::make_unique<TerminationWatcher>();

    SqliteSettingsStore store(SqliteSettingsStore::defaultPath());
    const QList<Message> notices = storeNotices(store);
    SingleInstance instance;
    if (!instance.start()) {
        // A second start waiting on the first stays as easy to end as any command.
        termination.reset();
        QTextStream err(stderr);
        printStoreNotices(notices, err);
        handOverToRunningInstance(instance, store, arguments);
        return 0;
    }

    QtMessageBoxes messages(nullptr);
    QtFileDialogs dialogs(nullptr, messages);
    TfrmMain::Services services{
        store,
        messages,
        dialogs,
        desktopUrlOpener(),
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
        notices};
    TfrmMain window(services);
    messages.setParentWidget(&window);
    dialogs.setParentWidget(&window);

    QObject::connect(&instance, &SingleInstance::activateRequested, &window,
                     &TfrmMain::bringToFront);
    QObject::connect(&instance, &SingleInstance::openRequested, &window, &TfrmMain::onOpenRequest);
    QObject::connect(&window, &TfrmMain::closed, &app, &QCoreApplication::quit);
    // Ended from outside (kill, the session, Ctrl+C): close as the writer would.
    QObject::connect(termination.get(), &TerminationWatcher::terminationRequested, &window,
                     &TfrmMain::requestClose);

    window.FormCreate(arguments);
    // quit() ends only a loop that runs: a close agreed during start-up ends here.
    if (window.isClosing())
        return 0;
    // /auto anywhere on the command line keeps the window in the tray.
    if (commandLineAsksHidden(arguments)) {
        window.setWindowState(window.windowState() | Qt::WindowMinimized);
        window.hideToTray();
    }
    return app.exec();
}

} // namespace

int runProgram(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    const CommandLine commandLine = parseCommandLine(arguments);
    if (commandLine.mode == CommandLine::Mode::Editor)
        return runEditor(argc, argv, commandLine.editorArguments);
    return runConsoleCommand(argc, argv, commandLine);
}

} // namespace calmdesk
