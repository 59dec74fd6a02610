// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settings.h"

#include <QObject>
#include <QRect>

class QAbstractButton;
class QWidget;

namespace calmdesk {

class StatusPanel;
class TextControl;
class WindowButtons;
struct WindowLayout;

// What stays out of sight until the pointer reaches an edge: the top bar with the window
// buttons (shown over the top-right corner or the right edge), the status line when it
// shows under the pointer, and the cover over the text's scroll bar. The top bar can also
// show with the "Recent Files" button at its left end while the recent-files menu is open.
class EdgePanels : public QObject
{
    Q_OBJECT

public:
    EdgePanels(QWidget *window, TextControl *txtMain, StatusPanel *pctStatus);

    // The status line's and the scroll bar's modes (auto-hide: under the pointer).
    void setModes(BarMode showStatus, BarMode scrollbar);
    void place(const WindowLayout &layout);
    // The cover takes the text's background colour.
    void setCoverColour(const QColor &colour);

    WindowButtons *buttons() const { return pctControl; }
    QAbstractButton *recentButton() const { return pctRecent; }
    bool isTopBarShown() const;
    // The top bar with the "Recent Files" button, or all of it hidden.
    void showRecentBar(bool shown);
    bool isScrollBarCovered() const;
    // The invisible strips that bring up the top bar.
    QWidget *cornerHoverStrip() const { return imgHover; }
    QWidget *edgeHoverStrip() const { return imgHover2; }
    QWidget *scrollBarCover() const { return pctRed; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void pointerOverBackground(int y, int height);
    void pointerOverText(const QPoint &position);
    // The pointer at a point of the window, over whatever the top bar's strip covers there.
    void pointerUnderTopBar(const QPoint &at);
    void showTopBar(bool shown);

    QWidget *m_window;
    TextControl *txtMain;
    StatusPanel *pctStatus;
    QWidget *pctSpan;
    WindowButtons *pctControl;
    QAbstractButton *pctRecent;
    QWidget *imgHover;
    QWidget *imgHover2;
    QWidget *pctRed;
    QRect m_topBarCorner;
    BarMode m_showStatus = BarMode::Never;
    BarMode m_scrollbar = BarMode::Never;
};

} // namespace calmdesk
