// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dialogs/messageboxes.h"

#include <QMessageBox>

namespace calmdesk {

namespace {

QMessageBox::Icon qtIcon(Message::Icon icon)
{
    switch (icon) {
    case Message::Icon::Question:
        return QMessageBox::Question;
    case Message::Icon::Error:
        return QMessageBox::Critical;
    case Message::Icon::Warning:
        return QMessageBox::Warning;
    case Message::Icon::Information:
        return QMessageBox::Information;
    case Message::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

Answer QtMessageBoxes::show(const Message &message)
{
    QMessageBox box(qtIcon(message.icon), message.caption, message.text, QMessageBox::NoButton,
                    m_parent);
    // The program's texts are plain: a question that names "<html>" shows it as written.
    box.setTextFormat(Qt::PlainText);
    if (message.buttons == Message::Buttons::YesNoCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return message.buttons == Message::Buttons::YesNoCancel ? Answer::Cancel : Answer::Ok;
    }
}

} // namespace calmdesk
