// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/openboxes.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QWidget>

namespace calmdesk {

namespace {

// A box inside a box is closed first; a box that refuses to go is left after this many.
constexpr int kMostBoxes = 32;

} // namespace

bool dismissOpenBoxes()
{
    bool dismissed = false;
    for (int i = 0; i < kMostBoxes; ++i) {
        QPointer<QWidget> box = QApplication::activePopupWidget();
        if (!box)
            box = QApplication::activeModalWidget();
        if (!box)
            break;
        if (auto *dialog = qobject_cast<QDialog *>(box))
            dialog->reject();
        else
            box->close();
        if (box && box->isVisible())
            break;
        dismissed = true;
    }
    return dismissed;
}

} // namespace calmdesk
