#include "programentry.h"

#include "appinfo.h"
#include "commandline.h"
#include "regcommand.h"
#include "sqlitesettingsstore.h"
#include "tfrmmain.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

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
        return runRegCommand(commandLine.registryArguments, store, out, err);
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

int runEditor(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(programName());
    QApplication::setApplicationDisplayName(programName());
    QApplication::setApplicationVersion(programVersion());
    QApplication::setDesktopFileName(QStringLiteral("calmdesk"));

    TfrmMain window;
    window.show();
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
        return runEditor(argc, argv);
    return runConsoleCommand(argc, argv, commandLine);
}

} // namespace calmdesk
