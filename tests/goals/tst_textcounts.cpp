// SPDX-License-Identifier: GPL-3.0-or-later
#include "goals/textcounts.h"
#include "testmain.h"

#include <QRandomGenerator>
#include <QTest>

using namespace calmdesk;

namespace {

// A character outside the Basic Multilingual Plane: two UTF-16 units, one character.
const QString kEmoji = QString::fromUtf8("\xF0\x9F\x98\x80");

} // namespace

// The status line's counting rules on whole texts.
class TextCountsTest : public QObject
{
    Q_OBJECT

private slots:
    void words_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("words");
        QTest::addColumn<uint>("solid");
        QTest::newRow("empty text") << "" << 0u << 0u;
        QTest::newRow("comma and full stop separate") << "Hello, world." << 2u << 10u;
        QTest::newRow("lone hyphen is no word") << "a - b" << 2u << 3u;
        QTest::newRow("lone letter is a word") << "x" << 1u << 1u;
        QTest::newRow("lone digit is a word") << "7" << 1u << 1u;
        QTest::newRow("lone accented letter is no word") << QString(QChar(0xE9)) << 0u << 1u;
        QTest::newRow("two accented letters are a word") << QString(2, QChar(0xE9)) << 1u << 2u;
        QTest::newRow("lone apostrophe and asterisk are no words") << "' *" << 0u << 2u;
        QTest::newRow("tab does not split") << "one\ttwo" << 1u << 7u;
        QTest::newRow("tab alone is trimmed away") << "a \t b" << 2u << 3u;
        QTest::newRow("tabs around a letter are trimmed") << "\tx\t" << 1u << 3u;
        QTest::newRow("apostrophe and hyphen keep words whole") << "don't e-mail" << 2u << 11u;
        QTest::newRow("two hyphens are a word") << "--" << 1u << 2u;
        QTest::newRow("full stop splits") << "end.Next" << 2u << 7u;
        QTest::newRow("every separator splits") << "a.b,c;d:e!f?g\"h" << 8u << 8u;
        QTest::newRow("brackets do not split") << "(a)[b]" << 1u << 6u;
        QTest::newRow("CR LF separates") << "one\r\ntwo" << 2u << 6u;
        QTest::newRow("LF separates") << "one\ntwo" << 2u << 6u;
        QTest::newRow("many spaces") << "   a    b   " << 2u << 2u;
        QTest::newRow("only separators") << ". , ; \r\n" << 0u << 0u;
        QTest::newRow("control character inside a word") << QString("a\x01"
                                                                    "b")
                                                         << 1u << 3u;
        QTest::newRow("no-break space is a character, not a separator")
            << QString("a\u00A0b") << 1u << 3u;
        QTest::newRow("emoji alone is one character and no word") << kEmoji << 0u << 1u;
        QTest::newRow("emoji after a letter makes a word") << "a" + kEmoji << 1u << 2u;
    }
    void words()
    {
        QFETCH(QString, text);
        QFETCH(uint, words);
        QFETCH(uint, solid);
        quint32 solidChars = 99;
        QCOMPARE(countWords(text, &solidChars), words);
        QCOMPARE(solidChars, solid);
        const ParagraphFigures figures = countParagraph(text);
        QCOMPARE(figures.words, words);
        QCOMPARE(figures.solidChars, solid);
    }

    void figures_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("characters");
        QTest::addColumn<uint>("paragraphBreaks");
        QTest::newRow("empty text") << "" << 0u << 0u;
        QTest::newRow("blank line between two paragraphs") << "ab\r\n\r\ncd" << 4u << 1u;
        QTest::newRow("three breaks in a row are two paragraph breaks")
            << "ab\r\n\r\n\r\ncd" << 4u << 2u;
        QTest::newRow("four breaks in a row are two paragraph breaks")
            << "ab\r\n\r\n\r\n\r\ncd" << 4u << 2u;
        QTest::newRow("five breaks in a row are three paragraph breaks")
            << "a\r\n\r\n\r\n\r\n\r\nb" << 2u << 3u;
        QTest::newRow("line then a break") << "line\r\n" << 4u << 1u;
        QTest::newRow("LF-only text breaks at LF") << "ab\n\ncd\nef" << 6u << 2u;
        QTest::newRow("LF-only tripled break") << "a\n\n\nb" << 2u << 2u;
        QTest::newRow("text starting with a doubled break") << "\r\n\r\nx" << 1u << 1u;
        QTest::newRow("tabs are characters") << "\t\t" << 2u << 0u;
        QTest::newRow("emoji counts once") << kEmoji + "\r\n" + kEmoji << 2u << 1u;
    }
    void figures()
    {
        QFETCH(QString, text);
        QFETCH(uint, characters);
        QFETCH(uint, paragraphBreaks);
        const TextCounts counts = countText(text);
        QCOMPARE(counts.characters, characters);
        QCOMPARE(counts.paragraphBreaks, paragraphBreaks);
    }

    void blankLineExampleHasFourSolidCharacters()
    {
        const TextCounts counts = countText("ab\r\n\r\ncd");
        QCOMPARE(counts.solidChars, 4u);
        QCOMPARE(counts.words, 2u);
    }

    // The one-pass paragraph count must agree with the split-and-trim rules on any
    // text made of the characters the rules treat specially.
    void paragraphPassAgreesWithRules()
    {
        const QList<QString> alphabet = {"a",    "B",
                                         "7",    " ",
                                         ".",    ",",
                                         ";",    ":",
                                         "!",    "?",
                                         "\"",   "\t",
                                         "'",    "-",
                                         "*",    QString(QChar(0xE9)),
                                         "\x01", QString(QChar(0xA0)),
                                         kEmoji, "xy"};
        QRandomGenerator random(20240607);
        for (int round = 0; round < 5000; ++round) {
            QString text;
            const int length = int(random.bounded(12));
            for (int i = 0; i < length; ++i)
                text += alphabet.at(random.bounded(int(alphabet.size())));
            quint32 solid = 0;
            const quint32 words = countWords(text, &solid);
            const ParagraphFigures figures = countParagraph(text);
            if (figures.words != words || figures.solidChars != solid ||
                figures.characters != countText(text).characters)
                QFAIL(qPrintable(QStringLiteral("disagree on \"%1\"").arg(text)));
        }
    }
};

CALMDESK_TEST_MAIN_CORE(TextCountsTest)
#include "tst_textcounts.moc"
