// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QIODevice;
class QTextStream;

namespace calmdesk {

class SettingsStore;

// Exit codes of the settings command line.
enum RegCommandExit : int {
    RegCommandSucceeded = 0,
    RegCommandFailed = 1,  // a missing key or value, a bad import, a store failure
    RegCommandMisused = 2, // wrong arguments: the usage text was printed
};

// Runs "calmdesk --reg ARGS": query, add, delete, export and import on the store.
// Results go to out, messages to err; "import -" reads the standard input.
int runRegCommand(const QStringList &args, SettingsStore &store, QTextStream &out,
                  QTextStream &err);
// The same with the stream "import -" reads from.
int runRegCommand(const QStringList &args, SettingsStore &store, QTextStream &out, QTextStream &err,
                  QIODevice &standardInput);

// The usage text of the settings command line, for --help.
QString regCommandUsage();

} // namespace calmdesk
