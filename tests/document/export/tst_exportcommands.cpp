// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/export/exportcommand.h"
#include "document/export/exportdispatcher.h"
#include "platform/store/sqlitesettingsstore.h"
#include "scripteddialogs.h"
#include "testmain.h"

#include <QTemporaryDir>
#include <QTextStream>

using namespace calmdesk;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

} // namespace

// The export as the writer starts it (the dialog, the question, the messages) and from the
// command line.
class TestExportCommands : public QObject
{
    Q_OBJECT

private slots:
    void dispatcher()
    {
        QTemporaryDir dir;
        test::ScriptedMessageBoxes messages;
        test::ScriptedFileDialogs dialogs;
        ExportSource source;
        source.text = QStringLiteral("[b]x[/b] ł");
        source.tags = TagStyle::Brackets;
        source.fontFamily = QStringLiteral("Courier New");
        ExportDispatcher exporter([&source] { return source; }, messages, dialogs);

        // Cancelled dialog, cancelled HTML question: nothing is written, nothing said.
        exporter.exportFile();
        const QString html = dir.filePath(QStringLiteral("a.html"));
        dialogs.exportTargets = {{html, 2}};
        messages.answers = {Answer::Cancel};
        exporter.exportFile();
        QVERIFY(!QFile::exists(html));
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown.at(0).caption, QStringLiteral("Export to HTML"));

        // No: the fragment. The entry chosen decides, not the name.
        dialogs.exportTargets = {{html, 2}};
        messages.answers = {Answer::No};
        exporter.exportFile();
        QCOMPARE(readAll(html), QByteArray("<p>\n<b>x</b> ł</p>"));
        const QString text = dir.filePath(QStringLiteral("b.pdf"));
        dialogs.exportTargets = {{text, 4}};
        exporter.exportFile();
        QCOMPARE(readAll(text), QByteArray("[b]x[/b] ł"));

        // PDF tells how many characters became "?".
        messages.shown.clear();
        dialogs.exportTargets = {{dir.filePath(QStringLiteral("c.pdf")), 3}};
        exporter.exportFile();
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY(messages.shown.at(0).text.startsWith(QStringLiteral("1 character")));

        // A write that fails is reported, never silent.
        messages.shown.clear();
        dialogs.exportTargets = {{dir.filePath(QStringLiteral("no/such/folder/d.rtf")), 1}};
        exporter.exportFile();
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown.at(0).caption, QStringLiteral("System File Error"));
        QCOMPARE(messages.shown.at(0).icon, Message::Icon::Error);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("output");
        QTest::newRow("plain text")
            << QStringList{"doc.txt", "out.TXT"} << 0 << QByteArray("[b]a[/b]\nb");
        QTest::newRow("fragment with the stored tag style")
            << QStringList{"--html-fragment", "doc.txt", "out.html"} << 0
            << QByteArray("<p>\n<b>a</b>\n</p>\n<p>\nb</p>");
        QTest::newRow("HTML needs a choice")
            << QStringList{"doc.txt", "out.html"} << 2 << QByteArray("(no file)");
        QTest::newRow("unknown extension")
            << QStringList{"doc.txt", "out.doc"} << 2 << QByteArray("(no file)");
        QTest::newRow("missing document")
            << QStringList{"none.txt", "out.txt"} << 1 << QByteArray("(no file)");
        QTest::newRow("one file only") << QStringList{"doc.txt"} << 2 << QByteArray("(no file)");
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, output);
        QTemporaryDir dir;
        QFile doc(dir.filePath(QStringLiteral("doc.txt")));
        QVERIFY(doc.open(QIODevice::WriteOnly));
        doc.write("[b]a[/b]\r\nb");
        doc.close();
        SqliteSettingsStore store(dir.filePath(QStringLiteral("settings.db")));
        store.regWriteString(QStringLiteral("Software\\Osmira\\v11\\Settings\\general"),
                             QStringLiteral("formats"), QStringLiteral("2"));
        for (QString &argument : arguments)
            if (!argument.startsWith(QLatin1String("--")))
                argument = dir.filePath(argument);
        QString errors;
        QTextStream err(&errors);
        QCOMPARE(runExportCommand(arguments, store, dir.path(), err), status);
        const QString out =
            arguments.last().startsWith(QLatin1String("--")) ? QString() : arguments.last();
        QCOMPARE(readAll(status == 0 ? out : dir.filePath(QStringLiteral("out.html"))), output);
        QCOMPARE(errors.isEmpty(), status == 0);
    }
};

CALMDESK_TEST_MAIN_CORE(TestExportCommands)
#include "tst_exportcommands.moc"
