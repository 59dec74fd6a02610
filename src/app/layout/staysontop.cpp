// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/staysontop.h"

#include <QWidget>
#include <QWindow>

namespace calmdesk {

void setStaysOnTop(QWidget *window, bool onTop)
{
    // QWidget::setWindowFlags would hide the window and make its native window again.
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    window->overrideWindowFlags(flags);
    if (QWindow *handle = window->windowHandle())
        handle->setFlag(Qt::WindowStaysOnTopHint, onTop);
}

} // namespace calmdesk
