#pragma once

#include "settings.h"

#include <QWidget>

class QLabel;

namespace calmdesk {

class DocumentHandler;
class FileDialogs;
class GoalsController;
class StatusPanel;
class KeyPreview;
class MessageBoxes;
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
    bool startsHidden() const { return m_startHidden; }
    const Settings &settings() const { return m_settings; }
    TextControl *textColumn() const { return txtMain; }
    DocumentHandler *document() const { return m_document; }
    QLabel *fileLabel() const;
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

    bool m_appClosing = false;
    bool m_activateOnExpose = false;
    bool m_startHidden = false;
};

} // namespace calmdesk
