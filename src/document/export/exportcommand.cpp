// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/export/exportcommand.h"

#include "document/export/exportsettings.h"
#include "platform/codec/textfilecodec.h"
#include "settings/settingsio.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

namespace calmdesk {

namespace {

constexpr char kContext[] = "ExportCommand";
constexpr int kFileError = 1;
constexpr int kUsageError = 2;

QString tr(const char *text)
{
    return QCoreApplication::translate(kContext, text);
}

} // namespace

QString exportCommandUsage()
{
    return tr("  calmdesk --export DOCUMENT OUTPUT [--html-page | --html-fragment]\n"
              "      writes OUTPUT as RTF, HTML, PDF or plain text, as its extension\n"
              "      (.rtf, .html, .pdf, .txt) names, with the editor's settings;\n"
              "      HTML is a complete page or only the text's paragraphs\n");
}

int runExportCommand(const QStringList &arguments, const SettingsStore &store,
                     const QString &dataHome, QTextStream &err)
{
    QStringList files;
    std::optional<HtmlForm> htmlForm;
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--html-page")) {
            htmlForm = HtmlForm::Page;
        } else if (argument == QLatin1String("--html-fragment")) {
            htmlForm = HtmlForm::Fragment;
        } else {
            files << argument;
        }
    }
    if (files.size() != 2) {
        err << tr("Usage:\n") << exportCommandUsage();
        return kUsageError;
    }
    const QString &document = files.at(0);
    const QString &output = files.at(1);
    const std::optional<ExportFormat> format = exportFormatForPath(output);
    if (!format) {
        err << tr("%1: the extension names no export format (.rtf, .html, .pdf, .txt)\n")
                   .arg(output);
        return kUsageError;
    }
    if (*format == ExportFormat::Html && !htmlForm) {
        err << tr("An HTML export needs --html-page or --html-fragment\n");
        return kUsageError;
    }

    const DocumentLoadResult loaded = loadDocumentFile(document);
    if (loaded.status != LoadStatus::Ok) {
        err << tr("%1: cannot be read as a document").arg(document);
        if (!loaded.errorString.isEmpty())
            err << QStringLiteral(" (") << loaded.errorString << QLatin1Char(')');
        err << QLatin1Char('\n');
        return kFileError;
    }
    const Settings settings = loadSettings(store, settingsRoot(), dataHome);
    const QString text = loaded.document.paragraphs.join(QStringLiteral("\r\n"));
    const ExportSource source =
        exportSource(settings, text, QFileInfo(document).absoluteFilePath());
    const ExportResult result =
        writeExport(output, *format, source, htmlForm.value_or(HtmlForm::Page));
    if (!result.ok) {
        err << tr("%1: cannot be written (%2)\n").arg(output, result.errorString);
        return kFileError;
    }
    if (result.replacedCharacters > 0)
        err << tr("%1: %2 characters the PDF's character set cannot hold show as \"?\"\n")
                   .arg(output)
                   .arg(result.replacedCharacters);
    return 0;
}

} // namespace calmdesk
