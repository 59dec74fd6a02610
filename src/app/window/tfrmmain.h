// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialogs/messageboxes.h"
#include "platform/shell/desktopintegration.h"
#include "settings/options/optionscontext.h"
#include "settings/settings.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace calmdesk {

class AutoCorrect;
class AutoTextPanel;
class CrashRecovery;
class Diary;
class DocumentHandler;
class EdgePanels;
class EditMenu;
class ExportDispatcher;
class FileDialogs;
class FindReplace;
class FocusLock;
class TextKeys;
class TimeFormats;
class ToolsPanel;
class ToolsPanelDock;
class WheelNotches;
struct LayoutState;
struct WindowLayout;
class GoalsController;
class BrowserPage;
class ReferencesPage;
class SafetyNets;
class ScratchpadPage;
class StatusPanel;
class KeyPreview;
class RecentFilesPopup;
class SettingsStore;
class Spelling;
class TextControl;
class TrayIcon;
class UrlOpener;
enum class WindowCommand;

// The editor's one window: borderless, filling a screen, one text column on a dark
// background. It owns the components and wires them to the subsystems; the work itself
// lives in those subsystems.
class TfrmMain : public QWidget
{
    Q_OBJECT

public:
    // What the window talks to outside itself; tests pass scripted dialogs.
    struct Services
    {
        SettingsStore &store;
        MessageBoxes &messages;
        FileDialogs &dialogs;
        UrlOpener &opener;
        // The folder under which the default diary folder is made ($XDG_DATA_HOME).
        QString dataHome;
        // What the writer is told at start-up about the settings file (storeNotices).
        QList<Message> storeNotices;
        // Whether the desktop shows a notification area; asked each time the window
        // leaves the screen. Empty: ask the desktop.
        std::function<bool()> trayAvailable = {};
    };

    explicit TfrmMain(const Services &services, QWidget *parent = nullptr);
    ~TfrmMain() override;

    // The creation sequence: settings, the command line, the window shown (unless the
    // command line asks for the tray), then, once it is on screen, the first document;
    // startupFinished() follows that.
    void FormCreate(const QStringList &arguments);
    bool hasFinishedStartup() const { return m_startupFinished; }

    void loadSettings();
    void applySettings();
    // F9 and F11: the options dialog on `page`, modal; what it works on is optionsContext().
    void showOptions(int page);
    OptionsContext optionsContext();
    // Recomputes the geometry of the window and its components.
    void layoutWindow();

    // A second start asked to come to the front, or to open the handed-over file.
    void bringToFront();
    void onOpenRequest();

    // A request to end that can come at any moment (a signal from the session, the
    // tray's "&Close Editor"): open menus and boxes are dismissed first, then the window
    // closes as the writer would, save question included.
    void requestClose();
    // Minimise, Ctrl+T and /auto: into the tray, or onto the task bar of a desktop that
    // has no notification area, so the writer can always get back.
    void hideToTray();

    // The window-wide commands, as the released keys ask for them.
    void FormKeyUp(int key, Qt::KeyboardModifiers modifiers);
    void runCommand(WindowCommand command);

    bool isClosing() const { return m_appClosing; }
    int screenHalf() const { return m_screenHalf; }
    int monitorIndex() const { return m_monitorIndex; }
    bool keepsOnTop() const { return m_keepOnTop; }
    ToolsPanel *toolsPanel() const { return pctDict; }
    ToolsPanelDock *toolsDock() const { return m_dock; }
    FocusLock *focusLock() const { return m_focusLock; }
    EditMenu *editMenu() const { return mnuEdit; }
    EdgePanels *edgePanels() const { return m_edges; }
    RecentFilesPopup *recentFiles() const { return m_recent; }
    bool startsHidden() const { return m_startHidden; }
    const Settings &settings() const { return m_settings; }
    TextControl *textColumn() const { return txtMain; }
    DocumentHandler *document() const { return m_document; }
    SafetyNets *safetyNets() const { return m_safety; }
    CrashRecovery *crashRecovery() const { return m_recovery; }
    AutoCorrect *autoCorrect() const { return m_autoCorrect; }
    AutoTextPanel *autoTextPanel() const { return pctAT; }
    ReferencesPage *references() const { return m_references; }
    ScratchpadPage *notesPage() const { return m_notes; }
    ScratchpadPage *documentNotesPage() const { return m_documentNotes; }
    BrowserPage *browser() const { return m_browser; }
    StatusPanel *statusPanel() const { return pctStatus; }
    GoalsController *goals() const { return m_goals; }
    TrayIcon *tray() const { return m_tray; }
    Spelling *spelling() const { return m_spelling; }

signals:
    // The window agreed to close: the program ends.
    void closed();
    // The document of the command line or of the "At Startup" setting has been opened
    // (or was not to be).
    void startupFinished();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool FormCloseQuery();
    void connectGoals();
    void popUpFileMenu(Qt::MouseButton button);
    void connectEdges();
    void connectSafetyNets();
    void connectWritingAids();
    void connectReferences();
    void connectScratchpads();
    void connectBrowser();
    void connectDiary();
    // The global notes' file in the diary folder: read at start-up, written at the close.
    void loadGlobalNotes();
    void saveGlobalNotes();
    QString autoSaveTime(bool withSeconds);
    LayoutState layoutState() const;
    void placeComponents(const WindowLayout &layout);
    void setScreenHalf(int half);
    void toggleKeepOnTop();
    void moveToNextMonitor();
    void showHelp();
    void insertDateTime(bool named);
    void openFirstDocument();
    void openStartDocument(bool recovered, const QString &commandLinePath);
    // Runs `action` from the event loop once the window is on screen (at once when it is,
    // or when it stays hidden).
    void whenOnScreen(std::function<void()> action);
    void activateWhenExposed();
    bool trayAvailable() const;
    void showFromTray();
    void connectScreens();
    // The desktop's style, font or colours changed (the scroll bar's width with them).
    void relayoutForDesktop();

    const Services m_services;
    Settings m_settings;

    TextControl *txtMain;
    StatusPanel *pctStatus;
    GoalsController *m_goals;
    DocumentHandler *m_document;
    SafetyNets *m_safety;
    CrashRecovery *m_recovery;
    TrayIcon *m_tray;
    KeyPreview *m_keyPreview;
    TextKeys *m_textKeys;
    EditMenu *mnuEdit;
    EdgePanels *m_edges;
    RecentFilesPopup *m_recent;
    ToolsPanel *pctDict;
    ToolsPanelDock *m_dock;
    FocusLock *m_focusLock;
    TextControl *reCopy;
    ExportDispatcher *m_export;
    AutoCorrect *m_autoCorrect;
    AutoTextPanel *pctAT;
    ReferencesPage *m_references;
    ScratchpadPage *m_notes;
    ScratchpadPage *m_documentNotes;
    BrowserPage *m_browser;
    DesktopIntegration m_desktop;
    FindReplace *m_find;
    Spelling *m_spelling;
    Diary *m_diary = nullptr;
    std::unique_ptr<TimeFormats> m_timeFormats;
    std::unique_ptr<WheelNotches> m_wheel;

    // Window state of this run only; nothing of it is stored.
    int m_monitorIndex = 0;
    int m_screenHalf = 0;
    bool m_keepOnTop = false;

    bool m_appClosing = false;
    // The close's own questions are open: a request to end waits for the writer's answer.
    bool m_inCloseQuery = false;
    bool m_activateOnExpose = false;
    bool m_relayoutQueued = false;
    bool m_startHidden = false;
    bool m_startupFinished = false;
    std::vector<std::function<void()>> m_onExposed;
};

} // namespace calmdesk
