// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text/textsearch.h"
#include "platform/text/widgetbreaks.h"
#include "testmain.h"

#include <QTest>

using namespace calmdesk;

class WidgetBreaksTest : public QObject
{
    Q_OBJECT

private slots:
    void widgetBreaks_data();
    void widgetBreaks();
    void canonicalBreaks_data();
    void canonicalBreaks();
    void findInString_data();
    void findInString();
};

void WidgetBreaksTest::widgetBreaks_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("CR LF is one break") << QStringLiteral("a\r\nb") << QStringLiteral("a\nb");
    QTest::newRow("lone CR is a break") << QStringLiteral("a\rb") << QStringLiteral("a\nb");
    QTest::newRow("lone LF stays") << QStringLiteral("a\nb") << QStringLiteral("a\nb");
    QTest::newRow("LF CR is two breaks") << QStringLiteral("a\n\rb") << QStringLiteral("a\n\nb");
    QTest::newRow("line separator is a break")
        << QStringLiteral("a\u2028b") << QStringLiteral("a\nb");
    QTest::newRow("paragraph separator is a break")
        << QStringLiteral("a\u2029b") << QStringLiteral("a\nb");
    QTest::newRow("trailing CR") << QStringLiteral("a\r") << QStringLiteral("a\n");
    QTest::newRow("no-break space kept")
        << QStringLiteral("a\u00A0b") << QStringLiteral("a\u00A0b");
}

void WidgetBreaksTest::widgetBreaks()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(widgetbreaks::toWidgetBreaks(input), expected);
}

void WidgetBreaksTest::canonicalBreaks_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("paragraph separator") << QStringLiteral("a\u2029b") << QStringLiteral("a\r\nb");
    QTest::newRow("line separator") << QStringLiteral("a\u2028b") << QStringLiteral("a\r\nb");
    QTest::newRow("LF") << QStringLiteral("a\nb") << QStringLiteral("a\r\nb");
    QTest::newRow("empty lines") << QStringLiteral("\u2029\u2029") << QStringLiteral("\r\n\r\n");
    QTest::newRow("no break") << QStringLiteral("abc") << QStringLiteral("abc");
}

void WidgetBreaksTest::canonicalBreaks()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(widgetbreaks::toCanonicalBreaks(input), expected);
}

void WidgetBreaksTest::findInString_data()
{
    QTest::addColumn<QString>("haystack");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("expected");

    const int none = int(FindFlag::NoFlags);
    const int matchCase = int(FindFlag::MatchCase);
    const int wholeWord = int(FindFlag::WholeWord);
    const QString text = QStringLiteral("The cat scattered Cats");
    QTest::newRow("case folds without match case") << text << "CAT" << 0 << 99 << none << 4;
    QTest::newRow("match case skips other case") << text << "Cat" << 0 << 99 << matchCase << 18;
    QTest::newRow("whole word skips inside words") << text << "cat" << 5 << 99 << wholeWord << -1;
    QTest::newRow("whole word finds a lone word") << text << "cats" << 0 << 99 << wholeWord << 18;
    QTest::newRow("match must end inside range") << text << "cat" << 0 << 6 << none << -1;
    QTest::newRow("range end exactly at match end") << text << "cat" << 0 << 7 << none << 4;
    QTest::newRow("letters beyond range still block whole word")
        << text << "Ca" << 18 << 20 << wholeWord << -1;
    QTest::newRow("only ASCII letters fold")
        << QStringLiteral("\u00C9t\u00E9") << QStringLiteral("\u00E9T\u00E9") << 0 << 99 << none
        << -1;
    QTest::newRow("accented letter is a word character")
        << QStringLiteral("caf\u00E9 caf") << QStringLiteral("caf") << 0 << 99 << wholeWord << 5;
    QTest::newRow("underscore is a word character")
        << QStringLiteral("a_b b") << QStringLiteral("b") << 0 << 99 << wholeWord << 4;
    QTest::newRow("empty needle finds nothing") << text << "" << 0 << 99 << none << -1;
}

void WidgetBreaksTest::findInString()
{
    QFETCH(QString, haystack);
    QFETCH(QString, needle);
    QFETCH(int, from);
    QFETCH(int, end);
    QFETCH(int, flags);
    QFETCH(int, expected);
    QCOMPARE(textsearch::findInString(haystack, needle, from, end, FindFlags(flags)), expected);
}

CALMDESK_TEST_MAIN_CORE(WidgetBreaksTest)
#include "tst_widgetbreaks.moc"
