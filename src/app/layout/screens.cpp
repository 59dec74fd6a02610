// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout/screens.h"

#include <QGuiApplication>
#include <QScreen>

namespace calmdesk {

QList<QRect> screenGeometries()
{
    QList<QRect> rects;
    QScreen *primary = QGuiApplication::primaryScreen();
    if (primary)
        rects.append(primary->geometry());
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen != primary)
            rects.append(screen->geometry());
    }
    return rects;
}

} // namespace calmdesk
