// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialogs/messageboxes.h"

#include <QList>
#include <QString>

#include <functional>

class QWidget;

namespace calmdesk {

// Where an export goes: the chosen file and the filter entry chosen with it, counted from
// 1 in the order exportFilters() gives. An empty path means the writer cancelled.
struct ExportTarget
{
    QString path;
    int filterIndex = 0;
};

// The export dialog's filter entries: each a name and the pattern of its files.
struct ExportFilter
{
    QString name;
    QString pattern;
};
QList<ExportFilter> exportFilters();

// The open and save dialogs the document commands ask for a path. An empty result
// means the writer cancelled.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    virtual QString openPath() = 0;
    virtual QString savePath(const QString &currentPath) = 0;
    // The export dialog; a file that exists is replaced only when the writer says Yes.
    virtual ExportTarget exportTarget() = 0;
    // The notes' import and export dialogs (entries: rich text, text, all files); the
    // export replaces a file that exists only when the writer says Yes.
    virtual QString scratchpadImportPath() = 0;
    virtual ExportTarget scratchpadExportTarget() = 0;
};

// The question before a save replaces a file that is already there (Yes/No/Cancel).
Message replaceQuestion(const QString &path);

// The name a save goes to: `askName` shows the save dialog with a name filled in and gives
// back the chosen path, the default suffix added (empty: cancelled). An existing file is
// replaced only when the writer says Yes; No shows the dialog again, Cancel gives up.
// The question is asked here, after the suffix is added, whatever the dialog checked.
QString askSavePath(const std::function<QString(const QString &)> &askName, MessageBoxes &messages,
                    const QString &currentPath);

// Qt's dialogs (or the desktop's, through Qt), parented to the editor so they open on
// its screen.
class QtFileDialogs : public FileDialogs
{
public:
    QtFileDialogs(QWidget *parent, MessageBoxes &messages)
        : m_parent(parent)
        , m_messages(messages)
    {}
    // Dialogs open over this window, on its screen.
    void setParentWidget(QWidget *parent) { m_parent = parent; }
    QString openPath() override;
    QString savePath(const QString &currentPath) override;
    ExportTarget exportTarget() override;
    QString scratchpadImportPath() override;
    ExportTarget scratchpadExportTarget() override;

    // The dialogs' titles, each joined by a no-break space.
    static QString openTitle();
    static QString saveTitle();
    static QString exportTitle();

private:
    QString showSaveDialog(const QString &name);
    ExportTarget showExportDialog(const ExportTarget &previous);

    QWidget *m_parent;
    MessageBoxes &m_messages;
};

} // namespace calmdesk
