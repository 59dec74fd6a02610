#include "platform/dialogs/filedialogs.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace calmdesk {

namespace {

constexpr QChar kNoBreakSpace(0x00A0);

QString filter()
{
    return QCoreApplication::translate("FileDialogs", "Text Files (*.txt)") + QStringLiteral(";;") +
           QCoreApplication::translate("FileDialogs", "All Files (*)");
}

} // namespace

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
    QFileDialog dialog(m_parent, saveTitle(), QString(), filter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (!currentPath.isEmpty())
        dialog.selectFile(currentPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace calmdesk
