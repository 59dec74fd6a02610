// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialogs/filedialogs.h"
#include "platform/dialogs/messageboxes.h"

#include <QList>
#include <QStringList>

namespace calmdesk::test {

// Answers message boxes in the writer's place, in the order queued, and records every
// message shown. With nothing queued a question is answered Cancel and a notice Ok.
class ScriptedMessageBoxes : public MessageBoxes
{
public:
    Answer show(const Message &message) override
    {
        shown.append(message);
        if (!answers.isEmpty())
            return answers.takeFirst();
        return message.buttons == Message::Buttons::YesNoCancel ? Answer::Cancel : Answer::Ok;
    }

    QList<Answer> answers;
    QList<Message> shown;
};

// Picks files in the writer's place: each queued path answers one dialog; an empty
// path (or nothing queued) cancels it.
class ScriptedFileDialogs : public FileDialogs
{
public:
    QString openPath() override
    {
        ++openCount;
        return paths.isEmpty() ? QString() : paths.takeFirst();
    }
    QString savePath(const QString &) override
    {
        ++saveCount;
        return paths.isEmpty() ? QString() : paths.takeFirst();
    }

    ExportTarget exportTarget() override
    {
        ++exportCount;
        return exportTargets.isEmpty() ? ExportTarget{} : exportTargets.takeFirst();
    }

    // The notes' dialogs take their answers from the same queues.
    QString scratchpadImportPath() override
    {
        return paths.isEmpty() ? QString() : paths.takeFirst();
    }
    ExportTarget scratchpadExportTarget() override { return exportTarget(); }

    QStringList paths;
    QList<ExportTarget> exportTargets;
    int openCount = 0;
    int saveCount = 0;
    int exportCount = 0;
};

} // namespace calmdesk::test
