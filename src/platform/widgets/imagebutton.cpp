// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets/imagebutton.h"

#include <QPainter>
#include <QPixmap>
#include <QToolButton>

namespace calmdesk {

QIcon lineIcon(int size, const QColor &colour, const std::function<void(QPainter &)> &draw)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QPen(colour, 1));
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

QToolButton *imageButton(QWidget *parent, const char *name, const QString &hint, const QIcon &icon,
                         int iconSize)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setIcon(icon);
    button->setIconSize(QSize(iconSize, iconSize));
    button->setAutoRaise(true);
    return button;
}

} // namespace calmdesk
