// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QIcon>

#include <functional>

class QPainter;
class QToolButton;
class QWidget;

namespace calmdesk {

// A plain line drawing of `size` pixels square in `colour`, the same on every desktop theme.
QIcon lineIcon(int size, const QColor &colour, const std::function<void(QPainter &)> &draw);

// A clickable image of the window's edges: a flat tool button whose hint is also what a
// screen reader says.
QToolButton *imageButton(QWidget *parent, const char *name, const QString &hint, const QIcon &icon,
                         int iconSize);

} // namespace calmdesk
