// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QTextStream;

namespace calmdesk {

class SettingsStore;

// calmdesk --export DOCUMENT OUTPUT [--html-page | --html-fragment]: writes OUTPUT in the
// format its extension names (.rtf, .html or .htm, .pdf, .txt) with the stored settings,
// without a display. An HTML export needs one of the two choices. Returns the exit status:
// 0 done, 1 a file could not be read or written, 2 a command line not understood.
int runExportCommand(const QStringList &arguments, const SettingsStore &store,
                     const QString &dataHome, QTextStream &err);

// The lines --help shows for it.
QString exportCommandUsage();

} // namespace calmdesk
