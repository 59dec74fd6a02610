// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/entry/commandline.h"

#include "document/export/exportcommand.h"
#include "settings/regcommand.h"

#include <QCoreApplication>

namespace calmdesk {

CommandLine parseCommandLine(const QStringList &arguments)
{
    CommandLine result;
    if (arguments.isEmpty()) {
        return result;
    }
    const QString &first = arguments.first();
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        result.mode = CommandLine::Mode::Help;
    } else if (first == QLatin1String("--version") || first == QLatin1String("-v")) {
        result.mode = CommandLine::Mode::Version;
    } else if (first == QLatin1String("--reg")) {
        result.mode = CommandLine::Mode::Registry;
        result.registryArguments = arguments.mid(1);
    } else if (first == QLatin1String("--export")) {
        result.mode = CommandLine::Mode::Export;
        result.exportArguments = arguments.mid(1);
    } else if (first.startsWith(QLatin1String("--"))) {
        result.mode = CommandLine::Mode::Invalid;
        result.invalidOption = first;
    } else {
        result.editorArguments = arguments;
    }
    return result;
}

QString commandLineHelp()
{
    return QCoreApplication::translate(
               "CommandLine",
               "Usage: calmdesk [FILE] [/auto]\n"
               "       calmdesk --reg COMMAND ...\n"
               "       calmdesk --export DOCUMENT OUTPUT [--html-page | --html-fragment]\n"
               "       calmdesk --help | --version\n"
               "\n"
               "Opens FILE in the full-screen editor. When the editor already runs, FILE\n"
               "opens there and this start ends. /auto (or -auto) starts hidden in the tray.\n"
               "\n"
               "Export without a display:\n") +
           exportCommandUsage() +
           QCoreApplication::translate("CommandLine", "\nThe settings store:\n") +
           regCommandUsage();
}

} // namespace calmdesk
