// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/export/exportfile.h"
#include "platform/dialogs/messageboxes.h"

#include <QObject>

#include <functional>

namespace calmdesk {

class FileDialogs;

// The export messages, worded as the writer sees them.
Message htmlPageQuestion();
Message exportFailedMessage(const QString &reason);
Message charactersReplacedMessage(int count);

// "&Export File..." and Ctrl+E: the export dialog, then the writer its filter entry
// names, the HTML question for HTML. The document itself is never changed.
class ExportDispatcher : public QObject
{
    Q_OBJECT

public:
    using SourceProvider = std::function<ExportSource()>;

    ExportDispatcher(SourceProvider source, MessageBoxes &messages, FileDialogs &dialogs,
                     QObject *parent = nullptr);

    void exportFile();

private:
    SourceProvider m_source;
    MessageBoxes &m_messages;
    FileDialogs &m_dialogs;
};

} // namespace calmdesk
