// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/numbertext.h"
#include "testmain.h"

#include <QTest>

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");

        QTest::newRow("plain number") << "90" << 90;
        QTest::newRow("blanks around are trimmed") << "  75\t" << 75;
        QTest::newRow("digits then a unit") << "90%" << 90;
        QTest::newRow("letters first give 0") << "abc12" << 0;
        QTest::newRow("empty field gives 0") << "" << 0;
        QTest::newRow("blank field gives 0") << "   " << 0;
        QTest::newRow("a minus sign is no digit") << "-5" << 0;
        QTest::newRow("a dotted run keeps the field's value") << "12.5" << -1;
        QTest::newRow("a lone dot keeps the field's value") << "." << -1;
        QTest::newRow("too large keeps the field's value") << "99999999999" << -1;
    }

    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(calmdesk::leadingNumber(text, -1), expected);
    }

    void shortenMiddle_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("expected");

        QTest::newRow("short text unchanged") << "/home/ann/a.txt" << 32 << "/home/ann/a.txt";
        QTest::newRow("exactly n unchanged")
            << QString(32, QLatin1Char('x')) << 32 << QString(32, QLatin1Char('x'));
        QTest::newRow("long path keeps 14 + ... + 15")
            << "/home/ann/Documents/Novels/The Long Road Home.txt" << 32
            << "/home/ann/Docu...g Road Home.txt";
    }

    void shortenMiddle()
    {
        QFETCH(QString, text);
        QFETCH(int, n);
        QFETCH(QString, expected);
        const QString result = calmdesk::shortenMiddle(text, n);
        QCOMPARE(result, expected);
        QVERIFY(result.size() <= n);
    }
};

CALMDESK_TEST_MAIN_CORE(TestNumberText)
#include "tst_numbertext.moc"
