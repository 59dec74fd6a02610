#include "platform/dialogs/filedialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace calmdesk {

namespace {

constexpr QChar kNoBreakSpace(0x00A0);

QString filter()
{
    return QCoreApplication::translate("FileDialogs", "Text Files (*.txt)") + QStringLiteral(";;") +
           QCoreApplication::translate("FileDialogs", "All Files (*)");
}

} // namespace

Message replaceQuestion(const QString &path)
{
    return Message{QCoreApplication::translate("FileDialogs",
                                               "The file \"%1\" already exists. Do you want "
                                               "to replace it?")
                       .arg(QFileInfo(path).fileName()),
                   QCoreApplication::translate("FileDialogs", "Replace Confirmation"),
                   Message::Icon::Question, Message::Buttons::YesNoCancel};
}

QString askSavePath(const std::function<QString(const QString &)> &askName, MessageBoxes &messages,
                    const QString &currentPath)
{
    QString name = currentPath;
    for (;;) {
        name = askName(name);
        if (name.isEmpty() || !QFileInfo::exists(name))
            return name;
        switch (messages.show(replaceQuestion(name))) {
        case Answer::Yes:
            return name;
        case Answer::No:
            break;
        case Answer::Ok:
        case Answer::Cancel:
            return QString();
        }
    }
}

QString QtFileDialogs::openTitle()
{
    return QCoreApplication::translate("FileDialogs", "Select the file") + kNoBreakSpace +
           QCoreApplication::translate("FileDialogs", "you want to Open");
}

QString QtFileDialogs::saveTitle()
{
    return QCoreApplication::translate("FileDialogs", "Calmdesk -") + kNoBreakSpace +
           QCoreApplication::translate("FileDialogs", "Save File");
}

QString QtFileDialogs::openPath()
{
    QFileDialog dialog(m_parent, openTitle(), QString(), filter());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString QtFileDialogs::savePath(const QString &currentPath)
{
    return askSavePath([this](const QString &name) { return showSaveDialog(name); }, m_messages,
                       currentPath);
}

QString QtFileDialogs::showSaveDialog(const QString &name)
{
    QFileDialog dialog(m_parent, saveTitle(), QString(), filter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    // A desktop's own dialog checks the name before the suffix is added, so "notes" would
    // replace "notes.txt" unasked: the program asks once, for every dialog alike.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!name.isEmpty())
        dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace calmdesk
