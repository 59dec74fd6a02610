// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/entry/startupplan.h"

#include "core/asciitext.h"
#include "core/folders.h"
#include "diary/diarypages.h"

namespace calmdesk {

bool isAutoSwitch(const QString &argument)
{
    const QString a = asciiLower(trimmed(argument));
    return a == QLatin1String("/auto") || a == QLatin1String("-auto");
}

CommandLineDocument examineCommandLine(const QStringList &arguments,
                                       const std::function<bool(const QString &)> &fileExists)
{
    CommandLineDocument result;
    for (const QString &argument : arguments) {
        if (isAutoSwitch(argument)) {
            result.startHidden = true;
            continue;
        }
        const QString path = trimmed(argument);
        if (!path.isEmpty() && fileExists(path)) {
            result.path = path;
            break;
        }
    }
    return result;
}

bool commandLineAsksHidden(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (isAutoSwitch(argument))
            return true;
    }
    return false;
}

FirstDocument chooseFirstDocument(const FirstDocumentInputs &in)
{
    FirstDocument result;
    switch (in.openlst) {
    case StartupDocument::LastFile: {
        const QString last = trimmed(in.lastKnown);
        if (!last.isEmpty() && in.fileExists(last))
            result.path = last;
        break;
    }
    case StartupDocument::TodaysDiary:
        result.path = diaryPagePath(trimmed(in.diaryDir), in.today);
        result.createIfMissing = true;
        break;
    case StartupDocument::LastDiaryPage:
        result.path =
            in.findNewestFile(withTrailingSeparator(in.diaryDir), QStringLiteral("*.txt"));
        break;
    case StartupDocument::NewFile:
        break;
    }
    return result;
}

} // namespace calmdesk
