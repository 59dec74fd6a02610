// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QAbstractButton;
class QToolButton;

namespace calmdesk {

// The window buttons `pctControl` at the top right: minimise to the tray, the top half, the
// right half, full screen and close. The dark strip behind them is the window's `pctSpan`.
class WindowButtons : public QWidget
{
    Q_OBJECT

public:
    explicit WindowButtons(QWidget *parent = nullptr);

    // The colour of the top bar, RGB(24,30,36).
    static QColor barColour();

    QToolButton *const imgMin;
    QToolButton *const imgRestore1;
    QToolButton *const imgRestore2;
    QToolButton *const Image4;
    QToolButton *const imgClose;

signals:
    void minimizeRequested();
    // The screen mode (`screenHalf`) a button stands for: 1 (top half) "Restore
    // horizontally", 2 (right half) "Restore vertically", 0 "Full-screen".
    void screenHalfRequested(int half);
    void closeRequested();
};

// The "Recent Files" button `pctRecent` for the top bar's left end, in the bar's colours.
QAbstractButton *recentFilesButton(QWidget *parent);

} // namespace calmdesk
