// SPDX-License-Identifier: GPL-3.0-or-later
// Start with the session and default program for plain text, as real files in the
// user's (isolated) XDG folders.

#include "platform/shell/desktopintegration.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using calmdesk::DesktopIntegration;
using calmdesk::test::IsolatedEnvironment;

namespace {

QString readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("<missing>");
    return QString::fromUtf8(file.readAll());
}

bool writeFile(const QString &path, const QString &text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0;
}

QString autostartPath()
{
    return IsolatedEnvironment::current()->configHome() +
           QStringLiteral("/autostart/calmdesk.desktop");
}

QString mimeAppsPath()
{
    return IsolatedEnvironment::current()->configHome() + QStringLiteral("/mimeapps.list");
}

QString applicationPath()
{
    return IsolatedEnvironment::current()->dataHome() +
           QStringLiteral("/applications/calmdesk.desktop");
}

} // namespace

class TestDesktopIntegration : public QObject
{
    Q_OBJECT

private slots:
    void init() { IsolatedEnvironment::current()->reset(); }

    void pathsFollowTheXdgFolders()
    {
        const DesktopIntegration desktop;
        QCOMPARE(desktop.autostartEntryPath(), autostartPath());
        QCOMPARE(desktop.applicationEntryPath(), applicationPath());
        QCOMPARE(desktop.mimeAppsListPath(), mimeAppsPath());
    }

    void autostartCommandRoundTrips_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("minimized");

        const struct
        {
            const char *name;
            QString path;
        } programs[] = {
            {"plain", QStringLiteral("/usr/bin/calmdesk")},
            {"spaces", QStringLiteral("/home/me/My Programs/calm desk")},
            {"quotes", QStringLiteral("/home/me/\"best\" tools/calmdesk")},
            {"backslash and dollar", QStringLiteral("/home/me/a\\b/$HOME/calmdesk")},
            {"percent", QStringLiteral("/home/me/100% focus/calmdesk")},
        };
        for (const auto &program : programs) {
            QTest::addRow("%s, shown", program.name) << program.path << false;
            QTest::addRow("%s, minimised", program.name) << program.path << true;
        }
    }

    void autostartCommandRoundTrips()
    {
        QFETCH(QString, program);
        QFETCH(bool, minimized);
        DesktopIntegration desktop;
        QVERIFY(desktop.writeAutostartCommand(program, minimized));

        const QString expected = QLatin1Char('"') + program + QLatin1Char('"') +
                                 (minimized ? QStringLiteral(" /auto") : QString());
        QCOMPARE(desktop.readAutostartCommand(), expected);
        // What the options dialog derives from it.
        QCOMPARE(desktop.readAutostartCommand().contains(QStringLiteral(" /auto")), minimized);
    }

    void autostartEntryIsAValidDesktopEntry()
    {
        DesktopIntegration desktop;
        QVERIFY(desktop.writeAutostartCommand(QStringLiteral("/opt/my apps/calmdesk"), true));
        const QString text = readFile(autostartPath());
        QVERIFY(text.startsWith(QStringLiteral("[Desktop Entry]\n")));
        QVERIFY(text.contains(QStringLiteral("\nType=Application\n")));
        QVERIFY(text.contains(QStringLiteral("\nExec=\"/opt/my apps/calmdesk\" /auto\n")));
        QVERIFY(text.contains(QStringLiteral("\nName=")));
        // No temporary file of the atomic write is left behind.
        QCOMPARE(
            QDir(QFileInfo(autostartPath()).absolutePath()).entryList(QDir::Files | QDir::Hidden),
            QStringList{QStringLiteral("calmdesk.desktop")});
    }

    void rewritingReplacesThePreviousChoice()
    {
        DesktopIntegration desktop;
        QVERIFY(desktop.writeAutostartCommand(QStringLiteral("/old/calmdesk"), true));
        QVERIFY(desktop.writeAutostartCommand(QStringLiteral("/new/calmdesk"), false));
        QCOMPARE(desktop.readAutostartCommand(), QStringLiteral("\"/new/calmdesk\""));
    }

    void removalLeavesNoEntry()
    {
        DesktopIntegration desktop;
        QVERIFY(desktop.writeAutostartCommand(QStringLiteral("/usr/bin/calmdesk"), false));
        QVERIFY(desktop.removeAutostartEntry());
        QVERIFY(!QFileInfo::exists(autostartPath()));
        QCOMPARE(desktop.readAutostartCommand(), QString());
        // Removing what is not there is no failure.
        QVERIFY(desktop.removeAutostartEntry());
    }

    void absentEntryReadsAsEmpty()
    {
        QCOMPARE(DesktopIntegration().readAutostartCommand(), QString());
    }

    void handEditedEntriesAreReadAsTheDesktopWould_data()
    {
        QTest::addColumn<QString>("contents");
        QTest::addColumn<QString>("command");

        QTest::newRow("unquoted path, dash switch")
            << QStringLiteral("[Desktop Entry]\nType=Application\nExec=/usr/bin/calmdesk -auto\n")
            << QStringLiteral("\"/usr/bin/calmdesk\" /auto");
        QTest::newRow("switch in capitals")
            << QStringLiteral("[Desktop Entry]\nExec=calmdesk /AUTO\n")
            << QStringLiteral("\"calmdesk\" /auto");
        QTest::newRow("field code and other arguments")
            << QStringLiteral("[Desktop Entry]\nExec=\"/opt/c d/calmdesk\" --verbose %f\n")
            << QStringLiteral("\"/opt/c d/calmdesk\"");
        QTest::newRow("comments, blank lines, other groups")
            << QStringLiteral("# written by hand\n\n[Desktop Action Other]\nExec=nope\n"
                              "[Desktop Entry]\n  Exec = calmdesk /auto  \n")
            << QStringLiteral("\"calmdesk\" /auto");
        QTest::newRow("switched off with Hidden")
            << QStringLiteral("[Desktop Entry]\nExec=calmdesk\nHidden=true\n") << QString();
        QTest::newRow("switched off for GNOME")
            << QStringLiteral("[Desktop Entry]\nExec=calmdesk\nX-GNOME-Autostart-enabled=false\n")
            << QString();
        QTest::newRow("Hidden=false still starts")
            << QStringLiteral("[Desktop Entry]\nExec=calmdesk\nHidden=false\n")
            << QStringLiteral("\"calmdesk\"");
        QTest::newRow("no Exec") << QStringLiteral("[Desktop Entry]\nType=Application\n")
                                 << QString();
        QTest::newRow("empty Exec") << QStringLiteral("[Desktop Entry]\nExec=\n") << QString();
        QTest::newRow("Exec outside the entry group")
            << QStringLiteral("Exec=calmdesk\n[Other]\nExec=calmdesk\n") << QString();
        QTest::newRow("empty file") << QString() << QString();
    }

    void handEditedEntriesAreReadAsTheDesktopWould()
    {
        QFETCH(QString, contents);
        QFETCH(QString, command);
        QVERIFY(writeFile(autostartPath(), contents));
        QCOMPARE(DesktopIntegration().readAutostartCommand(), command);
    }

    void writingFailsCleanlyWhenTheFolderCannotBeMade()
    {
        // A file where the autostart folder should be.
        QVERIFY(
            writeFile(IsolatedEnvironment::current()->configHome() + QStringLiteral("/autostart"),
                      QStringLiteral("not a folder")));
        QVERIFY(!DesktopIntegration().writeAutostartCommand(QStringLiteral("/usr/bin/x"), false));
    }

    void emptyProgramPathIsRefused()
    {
        DesktopIntegration desktop;
        QVERIFY(!desktop.writeAutostartCommand(QString(), true));
        QVERIFY(!desktop.makeDefaultForPlainText(QString()));
        QVERIFY(!QFileInfo::exists(autostartPath()));
        QVERIFY(!QFileInfo::exists(mimeAppsPath()));
    }

    void defaultForPlainTextCreatesBothFiles()
    {
        DesktopIntegration desktop;
        QVERIFY(!desktop.isDefaultForPlainText());
        QVERIFY(desktop.makeDefaultForPlainText(QStringLiteral("/opt/my apps/calmdesk")));
        QVERIFY(desktop.isDefaultForPlainText());

        const QString entry = readFile(applicationPath());
        QVERIFY(entry.startsWith(QStringLiteral("[Desktop Entry]\n")));
        QVERIFY(entry.contains(QStringLiteral("\nExec=\"/opt/my apps/calmdesk\" %f\n")));
        QVERIFY(entry.contains(QStringLiteral("\nMimeType=text/plain;\n")));
        QCOMPARE(readFile(mimeAppsPath()),
                 QStringLiteral("[Default Applications]\ntext/plain=calmdesk.desktop;\n"));
    }

    void defaultForPlainTextKeepsTheRestOfMimeappsList()
    {
        const QString before = QStringLiteral("[Added Associations]\n"
                                              "image/png=gimp.desktop;\n"
                                              "\n"
                                              "[Default Applications]\n"
                                              "text/plain=org.gnome.gedit.desktop;\n"
                                              "text/html=firefox.desktop;\n"
                                              "\n"
                                              "[Removed Associations]\n"
                                              "text/plain=vim.desktop;\n");
        QVERIFY(writeFile(mimeAppsPath(), before));
        DesktopIntegration desktop;
        QVERIFY(!desktop.isDefaultForPlainText());
        QVERIFY(desktop.makeDefaultForPlainText(QStringLiteral("/usr/bin/calmdesk")));
        QVERIFY(desktop.isDefaultForPlainText());

        QString expected = before;
        expected.replace(QStringLiteral("text/plain=org.gnome.gedit.desktop;"),
                         QStringLiteral("text/plain=calmdesk.desktop;org.gnome.gedit.desktop;"));
        QCOMPARE(readFile(mimeAppsPath()), expected);
    }

    void anotherProgramFirstMeansNotDefault()
    {
        DesktopIntegration desktop;
        QVERIFY(desktop.makeDefaultForPlainText(QStringLiteral("/usr/bin/calmdesk")));
        QVERIFY(writeFile(mimeAppsPath(),
                          QStringLiteral("[Default Applications]\n"
                                         "text/plain=kate.desktop;calmdesk.desktop;\n")));
        QVERIFY(!desktop.isDefaultForPlainText());
    }

    void listedButWithoutItsEntryFileIsNotDefault()
    {
        QVERIFY(
            writeFile(mimeAppsPath(),
                      QStringLiteral("[Default Applications]\ntext/plain=calmdesk.desktop;\n")));
        QVERIFY(!DesktopIntegration().isDefaultForPlainText());
    }
};

CALMDESK_TEST_MAIN_CORE(TestDesktopIntegration)

#include "tst_desktopintegration.moc"
