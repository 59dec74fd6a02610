#pragma once

#include "platform/dialogs/messageboxes.h"
#include "settings/settings.h"

#include <QWidget>

#include <memory>

namespace calmdesk {

class DocumentHandler;
class EdgePanels;
class EditMenu;
class FileDialogs;
class FocusLock;
class TextKeys;
class TimeFormats;
class ToolsPanel;
class ToolsPanelDock;
class WheelNotches;
struct LayoutState;
struct WindowLayout;
class GoalsController;
class StatusPanel;
class KeyPreview;
class SettingsStore;
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
    };

    explicit TfrmMain(const Services &services, QWidget *parent = nullptr);
    ~TfrmMain() override;

    // The creation sequence: settings, the command line, the first document. The
    // window is shown at its end unless the command line asks for the tray.
    void FormCreate(const QStringList &arguments);

    void loadSettings();
    void applySettings();
    // Recomputes the geometry of the window and its components.
    void layoutWindow();

    // A second start asked to come to the front, or to open the handed-over file.
    void bringToFront();
    void onOpenRequest();

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
    bool startsHidden() const { return m_startHidden; }
    const Settings &settings() const { return m_settings; }
    TextControl *textColumn() const { return txtMain; }
    DocumentHandler *document() const { return m_document; }
    StatusPanel *statusPanel() const { return pctStatus; }
    GoalsController *goals() const { return m_goals; }
    TrayIcon *tray() const { return m_tray; }

signals:
    // The window agreed to close: the program ends.
    void closed();

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
    LayoutState layoutState() const;
    void placeComponents(const WindowLayout &layout);
    void setScreenHalf(int half);
    void toggleKeepOnTop();
    void moveToNextMonitor();
    void showHelp();
    void insertDateTime(bool named);
    void openFirstDocument();
    void activateWhenExposed();
    void hideToTray();
    void showFromTray();
    void connectScreens();

    const Services m_services;
    Settings m_settings;

    TextControl *txtMain;
    StatusPanel *pctStatus;
    GoalsController *m_goals;
    DocumentHandler *m_document;
    TrayIcon *m_tray;
    KeyPreview *m_keyPreview;
    TextKeys *m_textKeys;
    EditMenu *mnuEdit;
    EdgePanels *m_edges;
    ToolsPanel *pctDict;
    ToolsPanelDock *m_dock;
    FocusLock *m_focusLock;
    TextControl *reCopy;
    std::unique_ptr<TimeFormats> m_timeFormats;
    std::unique_ptr<WheelNotches> m_wheel;

    // Window state of this run only; nothing of it is stored.
    int m_monitorIndex = 0;
    int m_screenHalf = 0;
    bool m_keepOnTop = false;

    bool m_appClosing = false;
    bool m_activateOnExpose = false;
    bool m_startHidden = false;
};

} // namespace calmdesk
