// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/entry/commandline.h"
#include "testmain.h"

#include <QTest>

using calmdesk::CommandLine;
using calmdesk::parseCommandLine;

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void modes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("editorArguments");
        QTest::addColumn<QStringList>("registryArguments");

        const auto editor = int(CommandLine::Mode::Editor);
        QTest::newRow("no arguments start the editor")
            << QStringList{} << editor << QStringList{} << QStringList{};
        QTest::newRow("a document and /auto pass to the editor as typed")
            << QStringList{QStringLiteral(" My Notes.TXT"), QStringLiteral("/auto")} << editor
            << QStringList{QStringLiteral(" My Notes.TXT"), QStringLiteral("/auto")}
            << QStringList{};
        QTest::newRow("-auto is an editor switch, not an option")
            << QStringList{QStringLiteral("-auto")} << editor
            << QStringList{QStringLiteral("-auto")} << QStringList{};
        QTest::newRow("--help") << QStringList{QStringLiteral("--help")}
                                << int(CommandLine::Mode::Help) << QStringList{} << QStringList{};
        QTest::newRow("--version")
            << QStringList{QStringLiteral("--version")} << int(CommandLine::Mode::Version)
            << QStringList{} << QStringList{};
        QTest::newRow("--reg keeps everything after it for the store")
            << QStringList{QStringLiteral("--reg"), QStringLiteral("add"), QStringLiteral("K"),
                           QStringLiteral("--help"), QStringLiteral("")}
            << int(CommandLine::Mode::Registry) << QStringList{}
            << QStringList{QStringLiteral("add"), QStringLiteral("K"), QStringLiteral("--help"),
                           QStringLiteral("")};
        QTest::newRow("an option after a document is a document name")
            << QStringList{QStringLiteral("a.txt"), QStringLiteral("--help")} << editor
            << QStringList{QStringLiteral("a.txt"), QStringLiteral("--help")} << QStringList{};
        QTest::newRow("an unknown option is refused")
            << QStringList{QStringLiteral("--frobnicate")} << int(CommandLine::Mode::Invalid)
            << QStringList{} << QStringList{};
    }

    void modes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, mode);
        QFETCH(QStringList, editorArguments);
        QFETCH(QStringList, registryArguments);

        const CommandLine result = parseCommandLine(arguments);
        QCOMPARE(int(result.mode), mode);
        QCOMPARE(result.editorArguments, editorArguments);
        QCOMPARE(result.registryArguments, registryArguments);
    }

    void helpNamesEveryConsoleCommand()
    {
        const QString help = calmdesk::commandLineHelp();
        for (const char *word : {"--reg", "query", "add", "delete", "export", "import", "--help",
                                 "--version", "/auto"})
            QVERIFY2(help.contains(QLatin1String(word)), word);
    }
};

CALMDESK_TEST_MAIN_CORE(TestCommandLine)
#include "tst_commandline.moc"
