// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/recentfilespopup.h"

#include "app/layout/edgepanels.h"
#include "app/layout/windowlayout.h"
#include "document/documenthandler.h"
#include "document/recentmenu.h"
#include "goals/statuspanel.h"

#include <QAbstractButton>
#include <QWidget>

namespace calmdesk {

RecentFilesPopup::RecentFilesPopup(QWidget *window, DocumentHandler *document, StatusPanel *status,
                                   EdgePanels *edges, SettingsStore &store, const QString &root,
                                   std::function<bool()> showmru,
                                   RecentFiles::FileExists fileExists)
    : QObject(window)
    , m_window(window)
    , m_document(document)
    , pctStatus(status)
    , m_edges(edges)
    , m_showmru(std::move(showmru))
    , m_files(store, root, std::move(fileExists))
    , mnuRecent(new RecentMenu(window))
{
    connect(mnuRecent->mnuROpen, &QAction::triggered, m_document,
            [this] { m_document->openDocument(); });
    connect(mnuRecent->mnuRSave, &QAction::triggered, m_document,
            [this] { m_document->saveDocument(false); });
    connect(mnuRecent->mnuRSaveAs, &QAction::triggered, m_document,
            [this] { m_document->saveDocument(true); });
    connect(mnuRecent->mnuRExit, &QAction::triggered, this, &RecentFilesPopup::exitRequested);
    connect(mnuRecent, &RecentMenu::recentFileChosen, this, &RecentFilesPopup::mnuMRUClick);
    // However the menu was called up, the top bar goes with it.
    connect(mnuRecent, &QMenu::aboutToHide, this, [this] { m_edges->showRecentBar(false); });
    connect(m_edges->recentButton(), &QAbstractButton::clicked, this,
            &RecentFilesPopup::pctRecentClick);
}

void RecentFilesPopup::loadMRU()
{
    m_files.loadMRU();
    m_files.rebuildMRU();
    mnuRecent->showEntries(m_files.entries());
}

void RecentFilesPopup::addMRU(const QString &path)
{
    m_files.addMRU(path);
    mnuRecent->showEntries(m_files.entries());
}

void RecentFilesPopup::lblFileClick()
{
    if (m_showmru())
        mnuRecent->popup(pctStatus->fileMenuPosition());
}

void RecentFilesPopup::showFromKeyboard()
{
    if (!m_showmru())
        return;
    m_edges->showRecentBar(true);
    popUpBelowTopBar();
}

void RecentFilesPopup::pctRecentClick()
{
    popUpBelowTopBar();
}

void RecentFilesPopup::popUpBelowTopBar()
{
    mnuRecent->popup(m_window->mapToGlobal(QPoint(0, layout::kTopBarTop + layout::kTopBarHeight)));
}

void RecentFilesPopup::mnuMRUClick(int slot)
{
    const QString path = m_files.pathOfSlot(slot);
    if (!path.isEmpty())
        m_document->openDocument(path);
}

} // namespace calmdesk
