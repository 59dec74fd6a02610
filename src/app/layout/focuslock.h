// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class QTimer;
class QToolButton;
class QWidget;

namespace calmdesk {

// The focus lock at the status line's left end: while it is on, the editor stays on top
// of other windows and takes the keyboard back from other programs; it never touches
// their windows, and leaves the keyboard where it is among the editor's own windows.
class FocusLock : public QObject
{
    Q_OBJECT

public:
    static constexpr int kWatchIntervalMs = 200;

    // `keepOnTop` says whether Ctrl+K keeps the window on top anyway.
    FocusLock(QWidget *window, QWidget *statusLine, std::function<bool()> keepOnTop);

    bool isLocked() const;
    void toggle();
    QToolButton *button() const { return imgLock; }

private:
    void watch();
    void showState();

    QWidget *m_window;
    std::function<bool()> m_keepOnTop;
    QToolButton *imgLock;
    QTimer *tmrWatch;
};

} // namespace calmdesk
