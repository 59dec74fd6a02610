// SPDX-License-Identifier: GPL-3.0-or-later
// Editing mimeapps.list: one key changes, every other line comes back as it was.

#include "platform/shell/mimeappslist.h"
#include "testmain.h"

namespace mimeapps = calmdesk::mimeapps;

namespace {

QString textPlain()
{
    return QStringLiteral("text/plain");
}
QString ours()
{
    return QStringLiteral("calmdesk.desktop");
}

} // namespace

class TestMimeAppsList : public QObject
{
    Q_OBJECT

private slots:
    void defaultIsSetAndEverythingElseKept_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");

        QTest::newRow("empty file gets the group")
            << QString()
            << QStringLiteral("[Default Applications]\ntext/plain=calmdesk.desktop;\n");
        QTest::newRow("other groups only: the group is appended after a blank line")
            << QStringLiteral("[Added Associations]\ntext/html=firefox.desktop;\n")
            << QStringLiteral("[Added Associations]\ntext/html=firefox.desktop;\n\n"
                              "[Default Applications]\ntext/plain=calmdesk.desktop;\n");
        QTest::newRow("file without final line break")
            << QStringLiteral("[Added Associations]\ntext/html=firefox.desktop;")
            << QStringLiteral("[Added Associations]\ntext/html=firefox.desktop;\n\n"
                              "[Default Applications]\ntext/plain=calmdesk.desktop;\n");
        QTest::newRow("existing default is replaced, kept as fallback")
            << QStringLiteral("[Default Applications]\n"
                              "text/html=firefox.desktop;\n"
                              "text/plain=org.gnome.gedit.desktop;mousepad.desktop;\n"
                              "image/png=eog.desktop;\n")
            << QStringLiteral("[Default Applications]\n"
                              "text/html=firefox.desktop;\n"
                              "text/plain=calmdesk.desktop;org.gnome.gedit.desktop;"
                              "mousepad.desktop;\n"
                              "image/png=eog.desktop;\n");
        QTest::newRow("we were already listed further down")
            << QStringLiteral("[Default Applications]\ntext/plain=gedit.desktop;calmdesk.desktop\n")
            << QStringLiteral(
                   "[Default Applications]\ntext/plain=calmdesk.desktop;gedit.desktop;\n");
        QTest::newRow("key added to the group, before the blank line and the next group")
            << QStringLiteral("# my choices\n"
                              "[Default Applications]\n"
                              "text/html=firefox.desktop;\n"
                              "\n"
                              "[Removed Associations]\n"
                              "text/plain=vim.desktop;\n")
            << QStringLiteral("# my choices\n"
                              "[Default Applications]\n"
                              "text/html=firefox.desktop;\n"
                              "text/plain=calmdesk.desktop;\n"
                              "\n"
                              "[Removed Associations]\n"
                              "text/plain=vim.desktop;\n");
        QTest::newRow("same key in other groups is left alone")
            << QStringLiteral("[Added Associations]\n"
                              "text/plain=gedit.desktop;\n"
                              "[Default Applications]\n"
                              "text/plain=kate.desktop;\n")
            << QStringLiteral("[Added Associations]\n"
                              "text/plain=gedit.desktop;\n"
                              "[Default Applications]\n"
                              "text/plain=calmdesk.desktop;kate.desktop;\n");
        QTest::newRow("duplicate keys collapse into the first")
            << QStringLiteral("[Default Applications]\n"
                              "text/plain=kate.desktop;\n"
                              "text/csv=libreoffice-calc.desktop;\n"
                              "text/plain=gedit.desktop;\n")
            << QStringLiteral("[Default Applications]\n"
                              "text/plain=calmdesk.desktop;kate.desktop;\n"
                              "text/csv=libreoffice-calc.desktop;\n");
        QTest::newRow("similar keys are not ours")
            << QStringLiteral("[Default Applications]\n"
                              "text/plain-x=kate.desktop;\n"
                              "#text/plain=gedit.desktop;\n")
            << QStringLiteral("[Default Applications]\n"
                              "text/plain-x=kate.desktop;\n"
                              "#text/plain=gedit.desktop;\n"
                              "text/plain=calmdesk.desktop;\n");
        QTest::newRow("odd spacing and comments survive")
            << QStringLiteral("  [Default Applications]\n"
                              "  x-scheme-handler/http = firefox.desktop\n"
                              "text/plain = kate.desktop\n")
            << QStringLiteral("  [Default Applications]\n"
                              "  x-scheme-handler/http = firefox.desktop\n"
                              "text/plain=calmdesk.desktop;kate.desktop;\n");
    }

    void defaultIsSetAndEverythingElseKept()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        const QString updated = mimeapps::withDefaultApplication(before, textPlain(), ours());
        QCOMPARE(updated, after);
        QCOMPARE(mimeapps::defaultApplications(updated, textPlain()).value(0), ours());
        // Setting it again changes nothing.
        QCOMPARE(mimeapps::withDefaultApplication(updated, textPlain(), ours()), updated);
    }

    void defaultsAreReadInOrderFromTheirGroup_data()
    {
        QTest::addColumn<QString>("contents");
        QTest::addColumn<QStringList>("defaults");

        QTest::newRow("no file") << QString() << QStringList();
        QTest::newRow("listed in order")
            << QStringLiteral("[Default Applications]\ntext/plain= a.desktop ; b.desktop;;\n")
            << QStringList({QStringLiteral("a.desktop"), QStringLiteral("b.desktop")});
        QTest::newRow("only other groups name it")
            << QStringLiteral("[Added Associations]\ntext/plain=a.desktop;\n") << QStringList();
        QTest::newRow("empty value")
            << QStringLiteral("[Default Applications]\ntext/plain=\n") << QStringList();
    }

    void defaultsAreReadInOrderFromTheirGroup()
    {
        QFETCH(QString, contents);
        QFETCH(QStringList, defaults);
        QCOMPARE(mimeapps::defaultApplications(contents, textPlain()), defaults);
    }
};

CALMDESK_TEST_MAIN_CORE(TestMimeAppsList)

#include "tst_mimeappslist.moc"
