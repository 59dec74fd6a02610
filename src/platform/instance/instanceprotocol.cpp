// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/instance/instanceprotocol.h"

#include <QList>

namespace calmdesk::instanceprotocol {

namespace {

constexpr char kTerminator = '\n';
constexpr char kSeparator = ' ';
constexpr qsizetype kRequestFieldCount = 3;

QByteArrayView magic()
{
    return "CALMDESK";
}

QByteArrayView commandWord(Command command)
{
    switch (command) {
    case Command::Activate:
        return "ACTIVATE";
    case Command::Open:
        return "OPEN";
    }
    return {};
}

QByteArrayView refusalWord(Refusal refusal)
{
    switch (refusal) {
    case Refusal::Syntax:
        return "syntax";
    case Refusal::Version:
        return "version";
    case Refusal::UnknownCommand:
        return "command";
    case Refusal::TooLong:
        return "too-long";
    }
    return "syntax";
}

ParsedRequest refused(Refusal refusal)
{
    ParsedRequest parsed;
    parsed.refusal = refusal;
    return parsed;
}

} // namespace

QByteArray requestLine(Command command)
{
    return magic().toByteArray() + kSeparator + QByteArray::number(kVersion) + kSeparator +
           commandWord(command).toByteArray() + kTerminator;
}

ParsedRequest parseRequest(QByteArrayView line)
{
    if (line.size() > kMaxLineLength)
        return refused(Refusal::TooLong);
    if (line.isEmpty() || line.back() != kTerminator)
        return refused(Refusal::Syntax);
    line.chop(1);

    const QList<QByteArray> fields = line.toByteArray().split(kSeparator);
    if (fields.size() != kRequestFieldCount || fields.at(0) != magic())
        return refused(Refusal::Syntax);

    bool isNumber = false;
    const int version = fields.at(1).toInt(&isNumber);
    if (!isNumber)
        return refused(Refusal::Syntax);
    if (version != kVersion)
        return refused(Refusal::Version);

    for (const Command command : {Command::Activate, Command::Open}) {
        if (fields.at(2) == commandWord(command)) {
            ParsedRequest parsed;
            parsed.command = command;
            return parsed;
        }
    }
    return refused(Refusal::UnknownCommand);
}

QByteArray acceptedReply()
{
    return QByteArrayLiteral("OK\n");
}

QByteArray refusedReply(Refusal refusal)
{
    return QByteArrayLiteral("ERR ") + refusalWord(refusal).toByteArray() + kTerminator;
}

bool isAcceptedReply(QByteArrayView line)
{
    return line == acceptedReply();
}

} // namespace calmdesk::instanceprotocol
