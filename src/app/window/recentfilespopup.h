// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/recentfiles.h"

#include <QObject>

#include <functional>

class QPoint;
class QWidget;

namespace calmdesk {

class DocumentHandler;
class EdgePanels;
class RecentMenu;
class SettingsStore;
class StatusPanel;

// The recent files in the window: the list kept in the store, the menu `mnuRecent` with
// the document's Open, Save and Save As, and where the menu pops up. From the file
// label it pops up at the label's right end on the status line's top; from Ctrl+R and the
// "Recent Files" button at the window's top left, with the top bar showing while it is
// open. Either way the top bar goes when the menu closes.
class RecentFilesPopup : public QObject
{
    Q_OBJECT

public:
    // `showmru` says whether the writer wants the menu offered from the label and Ctrl+R.
    RecentFilesPopup(QWidget *window, DocumentHandler *document, StatusPanel *pctStatus,
                     EdgePanels *edges, SettingsStore &store, const QString &root,
                     std::function<bool()> showmru, RecentFiles::FileExists fileExists = {});

    // Start-up: the stored list read, the menu built and the store tidied.
    void loadMRU();
    // A document was opened or saved under `path`.
    void addMRU(const QString &path);

    // A left click on the file label.
    void lblFileClick();
    // Ctrl+R: the top bar with the "Recent Files" button, and the menu below it.
    void showFromKeyboard();
    void pctRecentClick();
    // A recent item was chosen: its file is opened, after the save question.
    void mnuMRUClick(int slot);

    RecentMenu *menu() const { return mnuRecent; }
    const RecentFiles &files() const { return m_files; }

signals:
    // "E&xit" was chosen: the window closes as its close button closes it.
    void exitRequested();

private:
    void popUpBelowTopBar();

    QWidget *m_window;
    DocumentHandler *m_document;
    StatusPanel *pctStatus;
    EdgePanels *m_edges;
    std::function<bool()> m_showmru;
    RecentFiles m_files;
    RecentMenu *mnuRecent;
};

} // namespace calmdesk
