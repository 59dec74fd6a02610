// SPDX-License-Identifier: GPL-3.0-or-later
#include "goals/textroutines.h"
#include "testmain.h"

#include <QTest>

using namespace calmdesk;

// The shared string routines other subsystems build on.
class TextRoutinesTest : public QObject
{
    Q_OBJECT

private slots:
    void countOccurrences_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("empty pattern finds nothing") << ""
                                                     << "abc" << 0;
        QTest::newRow("empty text holds nothing") << "a"
                                                  << "" << 0;
        QTest::newRow("single characters") << " "
                                           << "a b c " << 3;
        QTest::newRow("matches do not overlap") << "aa"
                                                << "aaaaa" << 2;
        QTest::newRow("doubled break in three breaks is found once") << "\r\n\r\n"
                                                                     << "\r\n\r\n\r\n"
                                                                     << 1;
        QTest::newRow("letter case matters") << "A"
                                             << "aAa" << 1;
        QTest::newRow("pattern longer than text") << "abcd"
                                                  << "abc" << 0;
    }
    void countOccurrences()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(calmdesk::countOccurrences(pattern, text), expected);
    }

    void splitString_data()
    {
        QTest::addColumn<QString>("delimiter");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("empty text gives no parts") << ","
                                                   << "" << 0 << QStringList();
        QTest::newRow("no delimiter gives the whole text") << ","
                                                           << "abc" << 0 << QStringList{"abc"};
        QTest::newRow("leading delimiter gives an empty first part")
            << ","
            << ",a" << 0 << QStringList{"", "a"};
        QTest::newRow("adjacent delimiters give an empty part between")
            << ","
            << "a,,b" << 0 << QStringList{"a", "", "b"};
        QTest::newRow("trailing delimiter gives no empty last part")
            << ","
            << "a,b," << 0 << QStringList{"a", "b"};
        QTest::newRow("limit keeps the rest unsplit in the last part")
            << ","
            << "a,b,c,d" << 2 << QStringList{"a", "b,c,d"};
        QTest::newRow("limit one is the whole text") << ","
                                                     << "a,b" << 1 << QStringList{"a,b"};
        QTest::newRow("limit above the parts changes nothing")
            << ","
            << "a,b" << 5 << QStringList{"a", "b"};
        QTest::newRow("longer delimiter") << "::"
                                          << "a::b:c" << 0 << QStringList{"a", "b:c"};
        QTest::newRow("only a delimiter") << ","
                                          << "," << 0 << QStringList{""};
    }
    void splitString()
    {
        QFETCH(QString, delimiter);
        QFETCH(QString, text);
        QFETCH(int, limit);
        QFETCH(QStringList, expected);
        QCOMPARE(calmdesk::splitString(delimiter, text, limit), expected);
    }

    void characterClassesAreAscii_data()
    {
        QTest::addColumn<QChar>("c");
        QTest::addColumn<bool>("alphanumeric");
        QTest::addColumn<bool>("digit");
        QTest::newRow("lower letter") << QChar('q') << true << false;
        QTest::newRow("upper letter") << QChar('Z') << true << false;
        QTest::newRow("digit") << QChar('7') << true << true;
        QTest::newRow("accented letter") << QChar(0xE9) << false << false;
        QTest::newRow("Greek letter") << QChar(0x3B1) << false << false;
        QTest::newRow("Arabic-Indic digit") << QChar(0x663) << false << false;
        QTest::newRow("underscore") << QChar('_') << false << false;
        QTest::newRow("apostrophe") << QChar('\'') << false << false;
        QTest::newRow("space") << QChar(' ') << false << false;
    }
    void characterClassesAreAscii()
    {
        QFETCH(QChar, c);
        QFETCH(bool, alphanumeric);
        QFETCH(bool, digit);
        QCOMPARE(isAlphaNumeric(c), alphanumeric);
        QCOMPARE(isDigitChar(c), digit);
    }

    void isAllDigits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");
        QTest::newRow("empty string") << "" << true;
        QTest::newRow("digits") << "0123456789" << true;
        QTest::newRow("sign") << "-1" << false;
        QTest::newRow("space inside") << "1 2" << false;
        QTest::newRow("fullwidth digit") << QString(QChar(0xFF11)) << false;
    }
    void isAllDigits()
    {
        QFETCH(QString, text);
        QFETCH(bool, expected);
        QCOMPARE(calmdesk::isAllDigits(text), expected);
    }

    void keepAlphaNumeric_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("punctuation goes, spaces stay") << "it's a e-mail, ok?"
                                                       << "its a email ok";
        QTest::newRow("tabs and accents go") << QString("caf\u00E9\tbar") << "cafbar";
        QTest::newRow("empty") << ""
                               << "";
    }
    void keepAlphaNumeric()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(calmdesk::keepAlphaNumeric(text), expected);
    }
};

CALMDESK_TEST_MAIN_CORE(TextRoutinesTest)
#include "tst_textroutines.moc"
