// SPDX-License-Identifier: GPL-3.0-or-later
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

QStringList scratchpadFilters()
{
    return {QCoreApplication::translate("FileDialogs", "RichText Documents (*.rtf)"),
            QCoreApplication::translate("FileDialogs", "Text Files (*.txt)"),
            QCoreApplication::translate("FileDialogs", "All Files (*)")};
}

// A save dialog for text: a name without an extension takes ".txt". A desktop's own
// dialog checks the name before the suffix is added, so "notes" would replace "notes.txt"
// unasked: the program asks once (askSavePath), for every dialog alike.
void prepareTextSaveDialog(QFileDialog &dialog, const QString &name)
{
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!name.isEmpty())
        dialog.selectFile(name);
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

QString QtFileDialogs::exportTitle()
{
    return QCoreApplication::translate("FileDialogs", "Calmdesk -") + kNoBreakSpace +
           QCoreApplication::translate("FileDialogs", "Export File");
}

QList<ExportFilter> exportFilters()
{
    const auto tr = [](const char *text) {
        return QCoreApplication::translate("FileDialogs", text);
    };
    return {{tr("Rich Text Document (rtf)"), QStringLiteral("*.rtf")},
            {tr("HTML Document (html)"), QStringLiteral("*.html")},
            {tr("Portable Document Format (PDF)"), QStringLiteral("*.pdf")},
            {tr("Text File (txt)"), QStringLiteral("*.txt")}};
}

ExportTarget QtFileDialogs::exportTarget()
{
    ExportTarget target;
    const QString path = askSavePath(
        [this, &target](const QString &name) {
            target = showExportDialog({name, target.filterIndex});
            return target.path;
        },
        m_messages, QString());
    return path.isEmpty() ? ExportTarget{} : target;
}

ExportTarget QtFileDialogs::showExportDialog(const ExportTarget &previous)
{
    const QList<ExportFilter> filters = exportFilters();
    QStringList entries;
    for (const ExportFilter &filter : filters)
        entries << filter.name + QStringLiteral(" (") + filter.pattern + QLatin1Char(')');
    QFileDialog dialog(m_parent, exportTitle());
    dialog.setNameFilters(entries);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // A name typed without an extension takes the chosen entry's, so "story" with the PDF
    // entry becomes "story.pdf".
    const auto suffixOf = [&filters](int index) {
        return filters.at(index).pattern.mid(2);
    };
    const int chosen = previous.filterIndex > 0 ? previous.filterIndex - 1 : 0;
    dialog.selectNameFilter(entries.at(chosen));
    dialog.setDefaultSuffix(suffixOf(chosen));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString &entry) {
        const int index = int(entries.indexOf(entry));
        if (index >= 0)
            dialog.setDefaultSuffix(suffixOf(index));
    });
    if (!previous.path.isEmpty())
        dialog.selectFile(previous.path);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().constFirst(),
            int(entries.indexOf(dialog.selectedNameFilter())) + 1};
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
    prepareTextSaveDialog(dialog, name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString QtFileDialogs::scratchpadImportPath()
{
    QFileDialog dialog(m_parent, QCoreApplication::translate("FileDialogs", "Import Scratchpad"));
    dialog.setNameFilters(scratchpadFilters());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

ExportTarget QtFileDialogs::scratchpadExportTarget()
{
    ExportTarget target;
    const QString path = askSavePath(
        [this, &target](const QString &name) {
            const QStringList entries = scratchpadFilters();
            QFileDialog dialog(m_parent,
                               QCoreApplication::translate("FileDialogs", "Export Scratchpad"));
            dialog.setNameFilters(entries);
            prepareTextSaveDialog(dialog, name);
            target = {};
            if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
                target = {dialog.selectedFiles().constFirst(),
                          int(entries.indexOf(dialog.selectedNameFilter())) + 1};
            return target.path;
        },
        m_messages, QString());
    return path.isEmpty() ? ExportTarget{} : target;
}

} // namespace calmdesk
