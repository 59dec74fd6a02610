// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/toolspaneldock.h"

#include "app/layout/screens.h"
#include "app/layout/toolspanel.h"
#include "app/layout/windowlayout.h"

#include <QTabWidget>

namespace calmdesk {

ToolsPanelDock::ToolsPanelDock(QWidget *window, ToolsPanel *panel,
                               std::function<void()> layoutWindow,
                               std::function<int()> monitorIndex)
    : QObject(window)
    , m_window(window)
    , m_panel(panel)
    , m_layoutWindow(std::move(layoutWindow))
    , m_monitorIndex(std::move(monitorIndex))
    , m_dockedWidth(layout::kDefaultPanelWidth)
{
    connect(panel, &ToolsPanel::closeRequested, this, &ToolsPanelDock::closePanel);
    connect(panel, &ToolsPanel::closeRefClicked, this, &ToolsPanelDock::closePanel);
    connect(panel, &ToolsPanel::pinToggled, this, &ToolsPanelDock::togglePin);
    connect(panel, &ToolsPanel::detachRequested, this, &ToolsPanelDock::detach);
    connect(panel, &ToolsPanel::attachRequested, this, &ToolsPanelDock::attach);
    connect(panel->pctDrag, &PanelDragStrip::dragStarted, this,
            [this](int x) { m_dragStartX = x; });
    connect(panel->pctDrag, &PanelDragStrip::dragMoved, this, [this](int x) {
        const std::optional<int> width =
            acceptPanelWidth(m_panel->x(), x, m_dragStartX, m_window->width());
        if (!width)
            return;
        m_dockedWidth = *width;
        m_layoutWindow();
    });
}

void ToolsPanelDock::showPage(int page)
{
    m_panel->tabTools->setCurrentIndex(page);
    if (m_floating) {
        placeFloatingPanel();
        return;
    }
    m_panel->show();
    m_panel->raise();
    m_layoutWindow();
}

void ToolsPanelDock::closePanel()
{
    m_panel->hide();
    if (m_pinned) {
        m_pinned = false;
        m_panel->setPinned(false);
        m_layoutWindow();
    }
    emit closed();
}

void ToolsPanelDock::togglePin()
{
    m_pinned = !m_pinned;
    m_panel->setPinned(m_pinned);
    m_layoutWindow();
}

ToolsPanelDock::~ToolsPanelDock()
{
    if (m_panel && !m_panel->parent())
        delete m_panel;
}

void ToolsPanelDock::detach()
{
    const QList<QRect> screens = screenGeometries();
    const std::optional<int> target = detachTargetMonitor(m_monitorIndex(), int(screens.size()));
    if (!target)
        return;
    if (m_pinned)
        togglePin();
    if (!m_floating)
        m_dockedWidth = m_panel->width();
    m_floatingRect = screens.at(*target);
    m_floating = true;
    m_panel->setFloating(true);
    // A window of its own, with a close box only.
    m_panel->setParent(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                    Qt::CustomizeWindowHint);
    placeFloatingPanel();
}

void ToolsPanelDock::placeFloatingPanel()
{
    m_panel->setWindowTitle(tr(" Writing Tools "));
    m_panel->setGeometry(m_floatingRect);
    m_panel->showMaximized();
    m_layoutWindow();
}

void ToolsPanelDock::attach()
{
    m_floating = false;
    m_dockedWidth = dockedWidthOnAttach(m_dockedWidth, m_window->width());
    m_panel->setParent(m_window, Qt::Widget);
    m_panel->setFloating(false);
    m_panel->show();
    m_panel->raise();
    m_layoutWindow();
}

} // namespace calmdesk
