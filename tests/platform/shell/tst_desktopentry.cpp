// SPDX-License-Identifier: GPL-3.0-or-later
// Exec quoting and key file escapes of desktop entries, as a desktop reads them back.

#include "platform/shell/desktopentry.h"
#include "testmain.h"

namespace entry = calmdesk::desktopentry;

class TestDesktopEntry : public QObject
{
    Q_OBJECT

private slots:
    void quotedArgumentsEscapeWhatTheQuotingRulesReserve_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("quoted");

        QTest::newRow("plain path")
            << QStringLiteral("/usr/bin/calmdesk") << QStringLiteral("\"/usr/bin/calmdesk\"");
        QTest::newRow("space") << QStringLiteral("/opt/my apps/calmdesk")
                               << QStringLiteral("\"/opt/my apps/calmdesk\"");
        QTest::newRow("double quote") << QStringLiteral("/a\"b") << QStringLiteral("\"/a\\\"b\"");
        QTest::newRow("backslash") << QStringLiteral("/a\\b") << QStringLiteral("\"/a\\\\b\"");
        QTest::newRow("dollar") << QStringLiteral("/$HOME/x") << QStringLiteral("\"/\\$HOME/x\"");
        QTest::newRow("backtick") << QStringLiteral("/a`b") << QStringLiteral("\"/a\\`b\"");
        QTest::newRow("percent is doubled, not escaped")
            << QStringLiteral("/100%/f") << QStringLiteral("\"/100%%/f\"");
        QTest::newRow("single quote needs nothing")
            << QStringLiteral("/it's") << QStringLiteral("\"/it's\"");
    }

    void quotedArgumentsEscapeWhatTheQuotingRulesReserve()
    {
        QFETCH(QString, argument);
        QFETCH(QString, quoted);
        QCOMPARE(entry::quoteExecArgument(argument), quoted);
    }

    void execValueAsWrittenInTheFileUsesFourBackslashes()
    {
        // The key file's escape doubles the Exec quoting's backslash once more.
        const QString value = entry::escapeValue(entry::quoteExecArgument(QStringLiteral("/a\\b")));
        QCOMPARE(value, QStringLiteral("\"/a\\\\\\\\b\""));
        QCOMPARE(entry::escapeValue(entry::quoteExecArgument(QStringLiteral("/$x"))),
                 QStringLiteral("\"/\\\\$x\""));
    }

    void programPathsSurviveTheRoundTrip_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("plain") << QStringLiteral("/usr/bin/calmdesk");
        QTest::newRow("spaces") << QStringLiteral("/home/me/My Programs/calm desk");
        QTest::newRow("quotes") << QStringLiteral("/home/me/\"quoted\"/calmdesk");
        QTest::newRow("backslashes") << QStringLiteral("/home/me/back\\slash\\\\/calmdesk");
        QTest::newRow("dollar and backtick") << QStringLiteral("/home/$USER/`x`/calmdesk");
        QTest::newRow("percent signs") << QStringLiteral("/home/me/100%f/calmdesk");
        QTest::newRow("tab and newline") << QStringLiteral("/odd\tname\n/calmdesk");
        QTest::newRow("non-ASCII") << QStringLiteral("/home/zo\u00eb/\u00e9crire/calmdesk");
        QTest::newRow("leading space") << QStringLiteral(" /lead/calmdesk");
    }

    void programPathsSurviveTheRoundTrip()
    {
        QFETCH(QString, path);
        const QString raw =
            entry::escapeValue(entry::quoteExecArgument(path) + QStringLiteral(" /auto %f"));
        QVERIFY2(!raw.contains(QLatin1Char('\n')), "a value must stay on one line");
        QCOMPARE(entry::splitExecValue(raw), QStringList({path, QStringLiteral("/auto")}));
    }

    void handWrittenExecLinesSplitAsADesktopWould_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QStringList>("arguments");

        QTest::newRow("unquoted words")
            << QStringLiteral("calmdesk -auto")
            << QStringList({QStringLiteral("calmdesk"), QStringLiteral("-auto")});
        QTest::newRow("runs of blanks")
            << QStringLiteral("  calmdesk \t /auto  ")
            << QStringList({QStringLiteral("calmdesk"), QStringLiteral("/auto")});
        QTest::newRow("field codes vanish")
            << QStringLiteral("calmdesk %U %i %c") << QStringList({QStringLiteral("calmdesk")});
        QTest::newRow("escaped percent stays")
            << QStringLiteral("calmdesk 50%%")
            << QStringList({QStringLiteral("calmdesk"), QStringLiteral("50%")});
        QTest::newRow("empty quoted argument stays")
            << QStringLiteral("calmdesk \"\"")
            << QStringList({QStringLiteral("calmdesk"), QString()});
        QTest::newRow("unterminated quote runs to the end")
            << QStringLiteral("\"/opt/my app") << QStringList({QStringLiteral("/opt/my app")});
        QTest::newRow("\\s escape is a space")
            << QStringLiteral("\"/opt/my\\sapp\"") << QStringList({QStringLiteral("/opt/my app")});
        QTest::newRow("unquoted backslash escapes the next character")
            << QStringLiteral("/opt/my\\\\ app") << QStringList({QStringLiteral("/opt/my app")});
        QTest::newRow("nothing") << QString() << QStringList();
    }

    void handWrittenExecLinesSplitAsADesktopWould()
    {
        QFETCH(QString, raw);
        QFETCH(QStringList, arguments);
        QCOMPARE(entry::splitExecValue(raw), arguments);
    }

    void valuesAreReadFromTheirOwnGroupOnly_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");

        QTest::newRow("plain key") << QStringLiteral("Exec") << QStringLiteral("calmdesk /auto");
        QTest::newRow("spaces around equals")
            << QStringLiteral("Icon") << QStringLiteral("calmdesk");
        QTest::newRow("localised variant is another key")
            << QStringLiteral("Name") << QStringLiteral("Calmdesk");
        QTest::newRow("key of another group is not seen") << QStringLiteral("Only") << QString();
        QTest::newRow("commented key is not seen") << QStringLiteral("Hidden") << QString();
    }

    void valuesAreReadFromTheirOwnGroupOnly()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        const QString contents = QStringLiteral("# Exec=ignored\n"
                                                "[Desktop Action New]\n"
                                                "Exec=other --new\n"
                                                "Only=here\n"
                                                "\n"
                                                "[Desktop Entry]\n"
                                                "Name[de]=Ruhepult\n"
                                                "Name=Calmdesk\n"
                                                "#Hidden=true\n"
                                                "Exec=calmdesk /auto\n"
                                                "Icon = calmdesk\n");
        QCOMPARE(entry::readRawValue(contents, QStringLiteral("Desktop Entry"), key), value);
    }
};

CALMDESK_TEST_MAIN_CORE(TestDesktopEntry)

#include "tst_desktopentry.moc"
