// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/filemenu.h"

#include "document/documentpresentation.h"
#include "document/menuitems.h"

namespace calmdesk {

FileMenu::FileMenu(QWidget *parent)
    : QMenu(parent)
    // The members are declared in menu order, so each item is appended in its place.
    , mnuFNew(addAction(tr("&New")))
    , mnuFOpen(addAction(tr("&Open...")))
    , mnuFSave(addAction(tr("&Save")))
    , mnuFSaveAs(addAction(tr("Save &As...")))
    , mnuFCloseFile(addItemAfterSeparator(this, tr("&Close File")))
    , mnuFExportFile(addAction(tr("&Export File...")))
    , mnuFReloadFile(addAction(tr("&Reload File")))
    , mnuFFolder(addItemAfterSeparator(this, tr("Open Containing &Folder")))
{}

void FileMenu::applyEnabling(const FileMenuEnabling &enabling)
{
    mnuFSave->setEnabled(enabling.save);
    mnuFCloseFile->setEnabled(enabling.closeFile);
    mnuFReloadFile->setEnabled(enabling.reloadFile);
    mnuFFolder->setEnabled(enabling.folder);
}

} // namespace calmdesk
