// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace calmdesk {

// The splitter strip `pctDrag` along the panel's left edge: reports a left-button drag in
// its own coordinates.
class PanelDragStrip : public QWidget
{
    Q_OBJECT

public:
    explicit PanelDragStrip(QWidget *parent = nullptr);

signals:
    void dragStarted(int x);
    void dragMoved(int x);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};

// The writing-tools panel `pctDict`: its title, the close, pin and detach/attach images,
// the splitter strip, the pages of `tabTools` and the Close button. It lays out its own
// parts from its size, docked or floating; the window acts on its signals.
class ToolsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit ToolsPanel(QWidget *parent = nullptr);

    // Pinned shows `imgPin1`, unpinned `imgPin0`.
    void setPinned(bool pinned);
    // Floating shows `imgMax0` (attach) instead of `imgMax1` (detach) and disables the pin.
    void setFloating(bool floating);

    QLabel *const lblTitle;
    QToolButton *const Image1;
    QToolButton *const imgPin0;
    QToolButton *const imgPin1;
    QToolButton *const imgMax1;
    QToolButton *const imgMax0;
    PanelDragStrip *const pctDrag;
    QPushButton *const cmdCloseRef;
    QTabWidget *const tabTools;
    QWidget *const pctRefs;
    QWidget *const pctGScr;
    QWidget *const pctLScr;
    QWidget *const pctIE;

signals:
    void closeRequested();
    void pinToggled();
    void detachRequested();
    void attachRequested();
    void closeRefClicked();

protected:
    void resizeEvent(QResizeEvent *event) override;
};

} // namespace calmdesk
