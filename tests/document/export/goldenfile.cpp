// SPDX-License-Identifier: GPL-3.0-or-later
#include "goldenfile.h"

#include <QProcess>
#include <QStandardPaths>

namespace calmdesk::test {

ToolRun runTool(const QString &program, const QStringList &arguments)
{
    ToolRun run;
    if (QStandardPaths::findExecutable(program).isEmpty())
        return run;
    QProcess process;
    process.start(program, arguments);
    run.found = process.waitForFinished(60000);
    run.exitCode = process.exitCode();
    run.output = process.readAllStandardOutput();
    run.errors = process.readAllStandardError();
    return run;
}

} // namespace calmdesk::test
