// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/export/exportdispatcher.h"

#include "platform/dialogs/filedialogs.h"

#include <QCoreApplication>

namespace calmdesk {

namespace {

constexpr char kContext[] = "Export";

QString tr(const char *text, int count = -1)
{
    return QCoreApplication::translate(kContext, text, nullptr, count);
}

} // namespace

Message htmlPageQuestion()
{
    return Message{tr("Do you want to export the text as a complete HTML page (ie. with "
                      "<html>, <head> and <body> tags)?") +
                       QStringLiteral("\n\n") +
                       tr("Click No, if you only want to export this fragment."),
                   tr("Export to HTML"), Message::Icon::Question, Message::Buttons::YesNoCancel};
}

Message exportFailedMessage(const QString &reason)
{
    QString text = tr("The system was unable to write to the specified file.");
    if (!reason.isEmpty())
        text += QStringLiteral("\n\n") + reason;
    return Message{text, tr("System File Error"), Message::Icon::Error, Message::Buttons::Ok};
}

Message charactersReplacedMessage(int count)
{
    return Message{tr("%n character(s) of the text cannot be written in a PDF's character set "
                      "and show as \"?\" there.",
                      count),
                   tr("Export to PDF"), Message::Icon::Information, Message::Buttons::Ok};
}

ExportDispatcher::ExportDispatcher(SourceProvider source, MessageBoxes &messages,
                                   FileDialogs &dialogs, QObject *parent)
    : QObject(parent)
    , m_source(std::move(source))
    , m_messages(messages)
    , m_dialogs(dialogs)
{}

void ExportDispatcher::exportFile()
{
    const ExportTarget target = m_dialogs.exportTarget();
    if (target.path.isEmpty())
        return;
    std::optional<ExportFormat> format = exportFormatForFilter(target.filterIndex);
    if (!format)
        format = exportFormatForPath(target.path);
    if (!format)
        return;

    HtmlForm htmlForm = HtmlForm::Page;
    if (*format == ExportFormat::Html) {
        switch (m_messages.show(htmlPageQuestion())) {
        case Answer::Yes:
            break;
        case Answer::No:
            htmlForm = HtmlForm::Fragment;
            break;
        case Answer::Ok:
        case Answer::Cancel:
            return;
        }
    }

    const ExportResult result = writeExport(target.path, *format, m_source(), htmlForm);
    if (!result.ok)
        m_messages.show(exportFailedMessage(result.errorString));
    else if (result.replacedCharacters > 0)
        m_messages.show(charactersReplacedMessage(result.replacedCharacters));
}

} // namespace calmdesk
