// SPDX-License-Identifier: GPL-3.0-or-later
// The line protocol between a second start and the running instance.

#include "platform/instance/instanceprotocol.h"
#include "testmain.h"

using calmdesk::instanceprotocol::Command;
using calmdesk::instanceprotocol::Refusal;
namespace protocol = calmdesk::instanceprotocol;

Q_DECLARE_METATYPE(calmdesk::instanceprotocol::Command)
Q_DECLARE_METATYPE(calmdesk::instanceprotocol::Refusal)

class TestInstanceProtocol : public QObject
{
    Q_OBJECT

private slots:
    void everyRequestParsesBackToItsCommand_data()
    {
        QTest::addColumn<Command>("command");
        QTest::newRow("activate") << Command::Activate;
        QTest::newRow("open") << Command::Open;
    }

    void everyRequestParsesBackToItsCommand()
    {
        QFETCH(Command, command);
        const QByteArray line = protocol::requestLine(command);
        QVERIFY(line.endsWith('\n'));
        QVERIFY(line.size() <= protocol::kMaxLineLength);
        const protocol::ParsedRequest parsed = protocol::parseRequest(line);
        QVERIFY(parsed.command.has_value());
        QCOMPARE(*parsed.command, command);
    }

    void badLinesAreRefusedWithAReason_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<Refusal>("refusal");

        QTest::newRow("missing line break") << QByteArray("CALMDESK 1 OPEN") << Refusal::Syntax;
        QTest::newRow("empty line") << QByteArray("\n") << Refusal::Syntax;
        QTest::newRow("nothing at all") << QByteArray() << Refusal::Syntax;
        QTest::newRow("other program's magic")
            << QByteArray("OTHERAPP 1 OPEN\n") << Refusal::Syntax;
        QTest::newRow("lower-case magic") << QByteArray("calmdesk 1 OPEN\n") << Refusal::Syntax;
        QTest::newRow("version not a number")
            << QByteArray("CALMDESK one OPEN\n") << Refusal::Syntax;
        QTest::newRow("extra field")
            << QByteArray("CALMDESK 1 OPEN /etc/passwd\n") << Refusal::Syntax;
        QTest::newRow("two spaces") << QByteArray("CALMDESK  1 OPEN\n") << Refusal::Syntax;
        QTest::newRow("carriage return")
            << QByteArray("CALMDESK 1 OPEN\r\n") << Refusal::UnknownCommand;
        QTest::newRow("future version") << QByteArray("CALMDESK 2 OPEN\n") << Refusal::Version;
        QTest::newRow("version zero") << QByteArray("CALMDESK 0 OPEN\n") << Refusal::Version;
        QTest::newRow("unknown command")
            << QByteArray("CALMDESK 1 QUIT\n") << Refusal::UnknownCommand;
        QTest::newRow("command in lower case")
            << QByteArray("CALMDESK 1 open\n") << Refusal::UnknownCommand;
        QTest::newRow("longer than the limit")
            << QByteArray("CALMDESK 1 OPEN" + QByteArray(protocol::kMaxLineLength, ' ') + "\n")
            << Refusal::TooLong;
    }

    void badLinesAreRefusedWithAReason()
    {
        QFETCH(QByteArray, line);
        QFETCH(Refusal, refusal);
        const protocol::ParsedRequest parsed = protocol::parseRequest(line);
        QVERIFY(!parsed.command.has_value());
        QCOMPARE(parsed.refusal, refusal);
    }

    void repliesAreOneLineEachAndOnlyOkAccepts_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("accepted");

        QTest::newRow("ok") << protocol::acceptedReply() << true;
        QTest::newRow("refused: version") << protocol::refusedReply(Refusal::Version) << false;
        QTest::newRow("refused: too long") << protocol::refusedReply(Refusal::TooLong) << false;
        QTest::newRow("ok without line break") << QByteArray("OK") << false;
        QTest::newRow("ok with trailing text") << QByteArray("OK then\n") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }

    void repliesAreOneLineEachAndOnlyOkAccepts()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, accepted);
        QCOMPARE(protocol::isAcceptedReply(reply), accepted);
    }
};

CALMDESK_TEST_MAIN_CORE(TestInstanceProtocol)

#include "tst_instanceprotocol.moc"
