// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenu>

namespace calmdesk {

struct FileMenuEnabling;

// The file menu `mnuFile` that pops up from the status line's file label. It only holds
// the items; whoever owns it connects their triggered() signals.
class FileMenu : public QMenu
{
    Q_OBJECT

public:
    explicit FileMenu(QWidget *parent = nullptr);

    void applyEnabling(const FileMenuEnabling &enabling);

    QAction *const mnuFNew;
    QAction *const mnuFOpen;
    QAction *const mnuFSave;
    QAction *const mnuFSaveAs;
    QAction *const mnuFCloseFile;
    QAction *const mnuFExportFile;
    QAction *const mnuFReloadFile;
    QAction *const mnuFFolder;
};

} // namespace calmdesk
