// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace calmdesk {

// What the command line asks of this start. Only the first argument can make it a
// console command, so a document that happens to be named "--help" further on still
// opens as a document.
struct CommandLine
{
    enum class Mode { Editor, Help, Version, Registry, Export, Invalid };

    Mode mode = Mode::Editor;
    QStringList registryArguments; // what follows --reg
    QStringList exportArguments;   // what follows --export
    QStringList editorArguments;   // document paths and /auto, as typed
    QString invalidOption;
};

// `arguments` excludes the program name.
CommandLine parseCommandLine(const QStringList &arguments);

// The text printed by --help.
QString commandLineHelp();

} // namespace calmdesk
