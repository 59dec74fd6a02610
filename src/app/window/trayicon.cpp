// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/trayicon.h"

#include "app/entry/appinfo.h"
#include "app/entry/programicon.h"

#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>

namespace calmdesk {

TrayIcon::TrayIcon(QObject *parent)
    : QObject(parent)
    , m_icon(new QSystemTrayIcon(programIcon(), this))
    , mnuTray(new QMenu)
{
    m_icon->setToolTip(programName() + QStringLiteral(" v") + programVersion());

    QAction *mnuTShow = mnuTray->addAction(tr("&Show Editor"));
    QAction *mnuTClose = mnuTray->addAction(tr("&Close Editor"));
    connect(mnuTShow, &QAction::triggered, this, &TrayIcon::showEditorRequested);
    connect(mnuTClose, &QAction::triggered, this, &TrayIcon::closeEditorRequested);
    m_icon->setContextMenu(mnuTray);

    connect(m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger)
                    emit showEditorRequested();
            });
}

TrayIcon::~TrayIcon()
{
    delete mnuTray;
}

void TrayIcon::show()
{
    m_icon->show();
}

void TrayIcon::remove()
{
    m_icon->hide();
}

QString TrayIcon::toolTip() const
{
    return m_icon->toolTip();
}

} // namespace calmdesk
