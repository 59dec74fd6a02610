// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/shell/desktopintegration.h"

#include "core/folders.h"
#include "platform/shell/desktopentry.h"
#include "platform/shell/mimeappslist.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>

namespace calmdesk {

namespace {

const char *const kEntryFileName = "calmdesk.desktop";
const char *const kPlainTextType = "text/plain";

QString entryGroup()
{
    return QStringLiteral("Desktop Entry");
}
QString minimizedSwitch()
{
    return QStringLiteral("/auto");
}

bool isMinimizedSwitch(const QString &argument)
{
    const QString normalized = argument.trimmed().toLower();
    return normalized == QLatin1String("/auto") || normalized == QLatin1String("-auto");
}

bool isSwitchedOff(const QString &contents)
{
    const auto flag = [&](const char *key) {
        return desktopentry::readRawValue(contents, entryGroup(), QLatin1String(key))
            .trimmed()
            .toLower();
    };
    return flag("Hidden") == QLatin1String("true") ||
           flag("X-GNOME-Autostart-enabled") == QLatin1String("false");
}

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

bool writeTextAtomically(const QString &path, const QString &text)
{
    if (!makeFolderPath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}

QString entryLine(const char *key, const QString &value)
{
    return QLatin1String(key) + QLatin1Char('=') + value + QLatin1Char('\n');
}

// The program's path quoted, then arguments that need no quoting (switches, field codes).
QString execValue(const QString &programPath, const QStringList &plainArguments)
{
    QStringList arguments{desktopentry::quoteExecArgument(programPath)};
    arguments += plainArguments;
    return desktopentry::escapeValue(arguments.join(QLatin1Char(' ')));
}

} // namespace

DesktopIntegration::DesktopIntegration()
    : DesktopIntegration(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                         QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
{}

DesktopIntegration::DesktopIntegration(const QString &configHome, const QString &dataHome)
    : m_configHome(configHome)
    , m_dataHome(dataHome)
{}

QString DesktopIntegration::autostartEntryPath() const
{
    return m_configHome + QStringLiteral("/autostart/") + QLatin1String(kEntryFileName);
}

QString DesktopIntegration::applicationEntryPath() const
{
    return m_dataHome + QStringLiteral("/applications/") + QLatin1String(kEntryFileName);
}

QString DesktopIntegration::mimeAppsListPath() const
{
    return m_configHome + QStringLiteral("/mimeapps.list");
}

QString DesktopIntegration::readAutostartCommand() const
{
    const QString contents = readText(autostartEntryPath());
    if (contents.isEmpty() || isSwitchedOff(contents))
        return {};
    const QStringList arguments = desktopentry::splitExecValue(
        desktopentry::readRawValue(contents, entryGroup(), QStringLiteral("Exec")));
    if (arguments.isEmpty() || arguments.first().isEmpty())
        return {};

    QString command = QLatin1Char('"') + arguments.first() + QLatin1Char('"');
    if (std::any_of(arguments.cbegin() + 1, arguments.cend(), isMinimizedSwitch))
        command += QLatin1Char(' ') + minimizedSwitch();
    return command;
}

bool DesktopIntegration::writeAutostartCommand(const QString &programPath, bool minimized)
{
    if (programPath.isEmpty())
        return false;
    const QString exec =
        execValue(programPath, minimized ? QStringList{minimizedSwitch()} : QStringList{});
    const QString contents =
        QLatin1Char('[') + entryGroup() + QStringLiteral("]\n") +
        entryLine("Type", QStringLiteral("Application")) +
        entryLine("Name", QCoreApplication::translate("DesktopIntegration", "Calmdesk")) +
        entryLine("Comment", QCoreApplication::translate("DesktopIntegration",
                                                         "Start the writing editor with the "
                                                         "session")) +
        entryLine("Exec", exec) + entryLine("Icon", QStringLiteral("calmdesk")) +
        entryLine("Terminal", QStringLiteral("false")) +
        entryLine("X-GNOME-Autostart-enabled", QStringLiteral("true"));
    return writeTextAtomically(autostartEntryPath(), contents);
}

bool DesktopIntegration::removeAutostartEntry()
{
    const QString path = autostartEntryPath();
    return !QFileInfo::exists(path) || QFile::remove(path);
}

bool DesktopIntegration::makeDefaultForPlainText(const QString &programPath)
{
    if (programPath.isEmpty())
        return false;
    const QString entry =
        QLatin1Char('[') + entryGroup() + QStringLiteral("]\n") +
        entryLine("Type", QStringLiteral("Application")) +
        entryLine("Name", QCoreApplication::translate("DesktopIntegration", "Calmdesk")) +
        entryLine("GenericName", QCoreApplication::translate("DesktopIntegration", "Text Editor")) +
        entryLine("Comment",
                  QCoreApplication::translate("DesktopIntegration", "Calmdesk Text File")) +
        entryLine("Exec", execValue(programPath, {QStringLiteral("%f")})) +
        entryLine("Icon", QStringLiteral("calmdesk")) +
        entryLine("Terminal", QStringLiteral("false")) +
        entryLine("Categories", QStringLiteral("Office;TextEditor;")) +
        entryLine("MimeType", QLatin1String(kPlainTextType) + QLatin1Char(';'));
    if (!writeTextAtomically(applicationEntryPath(), entry))
        return false;

    const QString list = readText(mimeAppsListPath());
    return writeTextAtomically(mimeAppsListPath(),
                               mimeapps::withDefaultApplication(list, QLatin1String(kPlainTextType),
                                                                QLatin1String(kEntryFileName)));
}

bool DesktopIntegration::isDefaultForPlainText() const
{
    if (!QFileInfo::exists(applicationEntryPath()))
        return false;
    const QStringList defaults =
        mimeapps::defaultApplications(readText(mimeAppsListPath()), QLatin1String(kPlainTextType));
    return !defaults.isEmpty() && defaults.first() == QLatin1String(kEntryFileName);
}

} // namespace calmdesk
