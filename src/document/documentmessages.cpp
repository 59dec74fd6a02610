// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/documentmessages.h"

#include <QCoreApplication>

namespace calmdesk {

namespace {
const char *const kContext = "calmdesk::DocumentMessages";
}

Message saveConfirmationMessage()
{
    return Message{QCoreApplication::translate(
                       kContext, "The text in the current file has changed. Do you want to "
                                 "save the changes?"),
                   QCoreApplication::translate(kContext, "Save Confirmation"),
                   Message::Icon::Question, Message::Buttons::YesNoCancel};
}

Message openFailedMessage()
{
    return Message{
        QCoreApplication::translate(kContext, "The system was unable to open the specified file."),
        QCoreApplication::translate(kContext, "Unable to open file"), Message::Icon::Error,
        Message::Buttons::Ok};
}

Message saveFailedMessage()
{
    return Message{
        QCoreApplication::translate(kContext, "The system was unable to save the specified file."),
        QCoreApplication::translate(kContext, "Unable to save file"), Message::Icon::Error,
        Message::Buttons::Ok};
}

Message reloadChangedFileMessage(const QString &name)
{
    return Message{QCoreApplication::translate(
                       kContext, "The file \"%1\" has been changed by another program. Do you "
                                 "want to reload it?\n\nThe text in the editor will be replaced; "
                                 "\"Restore Last Backup\" brings it back.")
                       .arg(name),
                   QCoreApplication::translate(kContext, "File Changed"), Message::Icon::Question,
                   Message::Buttons::YesNoCancel};
}

Message fileRemovedMessage(const QString &name)
{
    return Message{QCoreApplication::translate(
                       kContext, "The file \"%1\" has been deleted or moved by another program. "
                                 "The text stays in the editor; save it to keep it.")
                       .arg(name),
                   QCoreApplication::translate(kContext, "File Removed"),
                   Message::Icon::Information, Message::Buttons::Ok};
}

Message replaceChangedFileMessage(const QString &name)
{
    return Message{QCoreApplication::translate(
                       kContext, "The file \"%1\" has been changed by another program since it "
                                 "was opened or last saved. Do you want to replace it with the "
                                 "text in the editor?")
                       .arg(name),
                   QCoreApplication::translate(kContext, "Replace Confirmation"),
                   Message::Icon::Question, Message::Buttons::YesNoCancel};
}

Message recoveredTextMessage()
{
    return Message{QCoreApplication::translate(
                       kContext,
                       "The program has recovered the current text. Since the program was closed "
                       "in an abnormal way, this document may not be saved.\nPlease compare it to "
                       "your last document and save the version you want to keep.\n\nPlease note "
                       "that this text will not be displayed the next time you will start the "
                       "program."),
                   QCoreApplication::translate(kContext, "Auto-recovery"),
                   Message::Icon::Information, Message::Buttons::Ok};
}

} // namespace calmdesk
