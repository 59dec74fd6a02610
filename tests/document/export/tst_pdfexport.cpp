// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/export/pdfwriter.h"
#include "goldenfile.h"
#include "testmain.h"

#include <QRegularExpression>
#include <QTemporaryDir>

using namespace calmdesk;
using calmdesk::test::goldenBytes;
using calmdesk::test::runTool;

namespace {

// The text of every line, in order, as the content streams show it.
QList<QByteArray> shownLines(const QByteArray &pdf)
{
    QList<QByteArray> lines;
    static const QRegularExpression line(QStringLiteral("Td\\((.*)\\) Tj\\n"));
    auto it = line.globalMatch(QString::fromLatin1(pdf));
    while (it.hasNext())
        lines << it.next().captured(1).toLatin1();
    return lines;
}

QByteArray numberedLines(int count)
{
    QByteArray text;
    for (int i = 1; i <= count; ++i)
        text += "line " + QByteArray::number(i) + (i < count ? "\n" : "");
    return text;
}

// Checks what a PDF reader relies on, read from the bytes alone: every cross-reference entry
// points at its object, startxref at the table, every stream's length at its end.
void checkStructure(const QByteArray &pdf)
{
    QVERIFY(pdf.startsWith("%PDF-1.3\n"));
    QVERIFY(pdf.endsWith("%%EOF\n"));
    const qsizetype startxref = pdf.lastIndexOf("startxref\n");
    const qsizetype xref = pdf.mid(startxref + 10).split('\n').first().toLongLong();
    QVERIFY(pdf.mid(xref).startsWith("xref\n0 "));
    const QList<QByteArray> table = pdf.mid(xref).split('\n');
    const int entries = table.at(1).mid(2).toInt();
    QCOMPARE(table.at(2), QByteArray("0000000000 65535 f"));
    for (int n = 1; n < entries; ++n) {
        const QByteArray entry = table.at(2 + n);
        QVERIFY2(entry.size() == 18 && entry.endsWith(" 00000 n"), entry.constData());
        const qint64 offset = entry.left(10).toLongLong();
        QVERIFY2(pdf.mid(offset).startsWith(QByteArray::number(n) + " 0 obj\n"),
                 qPrintable(QStringLiteral("object %1 not at %2").arg(n).arg(offset)));
    }
    static const QRegularExpression stream(QStringLiteral("/Length (\\d+) >>\\nstream\\n"));
    const QString latin = QString::fromLatin1(pdf);
    auto it = stream.globalMatch(latin);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const qsizetype data = m.capturedEnd();
        const qsizetype length = m.captured(1).toLongLong();
        QVERIFY(pdf.mid(data + length).startsWith("endstream\n"));
    }
}

} // namespace

class TestPdfExport : public QObject
{
    Q_OBJECT

private slots:
    void goldenFiles_data()
    {
        QTest::addColumn<QString>("golden");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("size");
        QTest::newRow("one line") << "hello.pdf"
                                  << "Hello" << 12;
        QTest::newRow("parentheses") << "parentheses.pdf"
                                     << "a(b)c" << 12;
        QTest::newRow("backslash path") << "path.pdf"
                                        << "C:\\reports\\2024" << 12;
        QTest::newRow("two paragraphs") << "paragraphs.pdf"
                                        << "one\r\ntwo" << 12;
        QTest::newRow("long word") << "longword.pdf" << QString(100, QLatin1Char('w')) << 12;
        QTest::newRow("two pages")
            << "twopages.pdf" << QString::fromLatin1(numberedLines(61)) << 12;
        QTest::newRow("empty") << "empty.pdf" << QString() << 10;
    }
    void goldenFiles()
    {
        QFETCH(QString, golden);
        QFETCH(QString, text);
        QFETCH(int, size);
        const QByteArray pdf = writePdf(text, size, QStringLiteral("(untitled)")).bytes;
        checkStructure(pdf);
        QCOMPARE(pdf, goldenBytes(QStringLiteral("pdf/") + golden, pdf));
    }

    void linesAndPlaces()
    {
        const QByteArray hello = writePdf(QStringLiteral("Hello\r\nWorld"), 12, {}).bytes;
        QVERIFY(hello.contains("60.000 781.890 Td(Hello) Tj\n"));
        // The break's CR and LF each end a line: an empty line stands between.
        QVERIFY(hello.contains("60.000 769.890 Td() Tj\n"));
        QVERIFY(hello.contains("60.000 757.890 Td(World) Tj\n"));
        QVERIFY(hello.contains("/F1 12 Tf\n0.000 0.000 0.000 rg\n"));

        QCOMPARE(shownLines(writePdf(QStringLiteral("a(b)c"), 12, {}).bytes),
                 QList<QByteArray>{"a\\(b\\)c"});
        QCOMPARE(shownLines(writePdf(QStringLiteral("C:\\reports"), 12, {}).bytes),
                 QList<QByteArray>{"C:\\\\reports"});
        QCOMPARE(shownLines(writePdf(QStringLiteral("one\r\ntwo\r\n"), 12, {}).bytes),
                 (QList<QByteArray>{"one", "", "two", ""}));
        // A pair of LFs is one line end; a lone CR is one.
        QCOMPARE(shownLines(writePdf(QStringLiteral("a\n\nb\rc"), 12, {}).bytes),
                 (QList<QByteArray>{"a", "b", "c"}));
        // Numbers keep a full stop whatever the locale says.
        QLocale::setDefault(QLocale(QLocale::German));
        QVERIFY(writePdf(QStringLiteral("x"), 10, {}).bytes.contains("60.000 781.890 Td(x)"));
        QLocale::setDefault(QLocale::c());
    }

    void wrapping_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("size");
        QTest::addColumn<QList<QByteArray>>("lines");
        const QString word(100, QLatin1Char('w'));
        QTest::newRow("a long word is cut after 66 characters at 12 pt")
            << word << 12 << QList<QByteArray>{QByteArray(66, 'w'), QByteArray(34, 'w')};
        QTest::newRow("at 10 pt after 79")
            << word << 10 << QList<QByteArray>{QByteArray(79, 'w'), QByteArray(21, 'w')};
        const QString words = QStringLiteral("%1 %2").arg(QString(60, QLatin1Char('a')),
                                                          QString(20, QLatin1Char('b')));
        QTest::newRow("after the last space that fits, which stays on the line")
            << words << 12 << QList<QByteArray>{QByteArray(60, 'a') + ' ', QByteArray(20, 'b')};
        QTest::newRow("each of the break characters")
            << QString(60, QLatin1Char('a')) + QStringLiteral("!bbbbbbbbbbbbbbbbbbbb") << 12
            << QList<QByteArray>{QByteArray(60, 'a') + '!', QByteArray(20, 'b')};
        QTest::newRow("a closing parenthesis ends its escape")
            << QString(60, QLatin1Char('a')) + QStringLiteral("(x)yyyyyyyyyyyyyy") << 12
            << QList<QByteArray>{QByteArray(60, 'a') + "\\(x\\)", QByteArray(14, 'y')};
        QTest::newRow("a forced break never splits an escape")
            << QString(65, QLatin1Char('a')) + QStringLiteral("(bbbbbbbbbb") << 12
            << QList<QByteArray>{QByteArray(65, 'a'), "\\(" + QByteArray(10, 'b')};
        QTest::newRow("the second part keeps its leading space")
            << QString(66, QLatin1Char('a')) + QStringLiteral("  b") << 12
            << QList<QByteArray>{QByteArray(66, 'a'), "  b"};
        QTest::newRow("split again and again")
            << QString(200, QLatin1Char('c')) << 12
            << QList<QByteArray>{QByteArray(66, 'c'), QByteArray(66, 'c'), QByteArray(66, 'c'),
                                 QByteArray(2, 'c')};
    }
    void wrapping()
    {
        QFETCH(QString, text);
        QFETCH(int, size);
        QFETCH(QList<QByteArray>, lines);
        QCOMPARE(shownLines(writePdf(text, size, {}).bytes), lines);
    }

    void pages()
    {
        const QByteArray two = writePdf(QString::fromLatin1(numberedLines(61)), 12, {}).bytes;
        QVERIFY(two.contains("    7 0 R\n    9 0 R\n    ]\n    /Count 2\n"));
        QVERIFY(two.contains("xref\n0 11\n0000000000 65535 f\n0000000009 00000 n\n"));
        // Line 61 opens page 2 at the top.
        QVERIFY(two.contains("Td(line 60) Tj\nET\n") && two.contains("60.000 781.890 Td(line 61)"));
        QCOMPARE(
            writePdf(QString::fromLatin1(numberedLines(60)), 12, {}).bytes.count("/Type /Page\n"),
            1);
        QCOMPARE(
            writePdf(QString::fromLatin1(numberedLines(72)), 10, {}).bytes.count("/Type /Page\n"),
            1);
        QCOMPARE(
            writePdf(QString::fromLatin1(numberedLines(73)), 10, {}).bytes.count("/Type /Page\n"),
            2);
        // No limit of 255 pages.
        const QByteArray many =
            writePdf(QString::fromLatin1(numberedLines(60 * 300)), 12, {}).bytes;
        QVERIFY(many.contains("    /Count 300\n"));
        checkStructure(many);
    }

    void charactersOutsideTheFontsEncoding()
    {
        // "€" and "é" are Windows-1252; "ł" and the emoji (two UTF-16 units) are not.
        const PdfExport pdf =
            writePdf(QString::fromUtf8("€é ł \U0001F600"), 12, QString::fromUtf8("Łódź.txt"));
        QCOMPARE(pdf.replacedCharacters, 2); // the title's are not the text's
        QCOMPARE(shownLines(pdf.bytes), QList<QByteArray>{"\x80\xe9 ? ?"});
        QVERIFY(pdf.bytes.contains("/Title(?\xf3"
                                   "d?.txt)\n"));
    }

    void titleEscaped()
    {
        QVERIFY(writePdf(QString(), 12, QStringLiteral("a(1)\\b.txt"))
                    .bytes.contains("/Title(a\\(1\\)\\\\b.txt)\n/Author(Calmdesk)\n"
                                    "/Producer(Calmdesk v1.12)\n"));
    }

    // Real readers: qpdf finds nothing to warn about, pdftotext gives the text back.
    void readersOpenIt()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("export.pdf"));
        const QString text = QStringLiteral("First paragraph (with parentheses) and C:\\path.\r\n"
                                            "Second paragraph, long enough to wrap: ") +
                             QString(30, QLatin1Char('x')) + QStringLiteral(" end of it.");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(writePdf(text, 12, QStringLiteral("story.txt")).bytes);
        file.close();

        const auto check = runTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), path});
        if (!check.found)
            QSKIP("qpdf is not installed");
        QVERIFY2(check.exitCode == 0 && check.errors.isEmpty(), check.errors.constData());
        QVERIFY(!check.output.contains("WARNING"));

        const auto extracted = runTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        if (!extracted.found)
            QSKIP("pdftotext is not installed");
        const QString shown = QString::fromUtf8(extracted.output).simplified();
        QVERIFY2(shown.contains(QStringLiteral("First paragraph (with parentheses) and C:\\path.")),
                 qPrintable(shown));
        QVERIFY(shown.contains(QStringLiteral("Second paragraph, long enough to wrap:")));
        QVERIFY(shown.contains(QStringLiteral("end of it.")));
    }
};

CALMDESK_TEST_MAIN_CORE(TestPdfExport)
#include "tst_pdfexport.moc"
