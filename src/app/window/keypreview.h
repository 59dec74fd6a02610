// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

namespace calmdesk {

// Lets a window see every key released in it before the focused control does, whichever
// of its controls has the focus (the window-wide commands work in every panel).
//
// A command key counts with the modifiers held when it went down as well as those still
// held when it comes up: a writer who lets go of Ctrl a moment before the S still saves.
class KeyPreview : public QObject
{
    Q_OBJECT

public:
    explicit KeyPreview(QWidget *window);

    // Keys in `part` count as the window's too while it stands in a window of its own
    // (the detached writing tools).
    void watchDetachable(QWidget *part);

signals:
    void keyReleased(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isFirstDelivery(QObject *watched) const;
    bool isOwnWindow(const QWidget *window) const;

    QWidget *m_window;
    QList<QPointer<QWidget>> m_detachable;
    QHash<int, Qt::KeyboardModifiers> m_pressedWith;
};

} // namespace calmdesk
