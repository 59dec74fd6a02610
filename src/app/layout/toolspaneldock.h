// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>

#include <functional>

namespace calmdesk {

class ToolsPanel;

// Where the writing-tools panel stands: docked over the text's right side, pinned beside
// the column, or detached into a window of its own on the next monitor. It changes the
// panel's place and asks the window to lay itself out again.
class ToolsPanelDock : public QObject
{
    Q_OBJECT

public:
    ToolsPanelDock(QWidget *window, ToolsPanel *panel, std::function<void()> layoutWindow,
                   std::function<int()> monitorIndex);
    // A detached panel is a window of its own, which nothing else would delete.
    ~ToolsPanelDock() override;

    bool isPinned() const { return m_pinned; }
    bool isFloating() const { return m_floating; }
    int dockedWidth() const { return m_dockedWidth; }

    void showPage(int page);
    void closePanel();
    void togglePin();
    // Detaching needs a second monitor; with one, nothing happens.
    void detach();
    void attach();

signals:
    // The writer is done with the panel: the text takes the keyboard again.
    void closed();

private:
    void placeFloatingPanel();

    QWidget *m_window;
    QPointer<ToolsPanel> m_panel;
    std::function<void()> m_layoutWindow;
    std::function<int()> m_monitorIndex;
    bool m_pinned = false;
    bool m_floating = false;
    int m_dockedWidth;
    int m_dragStartX = 0;
    QRect m_floatingRect;
};

} // namespace calmdesk
