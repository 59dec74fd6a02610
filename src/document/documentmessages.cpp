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

} // namespace calmdesk
