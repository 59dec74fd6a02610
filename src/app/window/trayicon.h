// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QMenu;
class QSystemTrayIcon;

namespace calmdesk {

// The icon in the desktop's notification area: a left click shows the editor, a right
// click offers "&Show Editor" and "&Close Editor".
class TrayIcon : public QObject
{
    Q_OBJECT

public:
    explicit TrayIcon(QObject *parent = nullptr);
    ~TrayIcon() override;

    void show();
    void remove();
    QString toolTip() const;
    QMenu *menu() const { return mnuTray; }

signals:
    void showEditorRequested();
    void closeEditorRequested();

private:
    QSystemTrayIcon *m_icon;
    QMenu *mnuTray;
};

} // namespace calmdesk
