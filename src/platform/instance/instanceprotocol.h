// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace calmdesk::instanceprotocol {

// The conversation between a second start and the running instance: one request line per
// connection, one reply line back. Lines are ASCII and end in '\n'.
//
//   request:  "CALMDESK 1 ACTIVATE\n" | "CALMDESK 1 OPEN\n"
//   reply:    "OK\n" once the request was handled, or "ERR <reason>\n"
//
// The file to open never travels here: it is handed over through the settings store.

inline constexpr int kVersion = 1;

// Longest line either side accepts, terminator included; anything longer is refused.
inline constexpr qsizetype kMaxLineLength = 128;

enum class Command { Activate, Open };

// Why a request line was refused; each maps to the reason word of an "ERR" reply.
enum class Refusal { Syntax, Version, UnknownCommand, TooLong };

struct ParsedRequest
{
    std::optional<Command> command;
    Refusal refusal = Refusal::Syntax;
};

QByteArray requestLine(Command command);

// Parses one complete line, terminator included.
ParsedRequest parseRequest(QByteArrayView line);

QByteArray acceptedReply();
QByteArray refusedReply(Refusal refusal);

// True only for the exact "OK" line.
bool isAcceptedReply(QByteArrayView line);

} // namespace calmdesk::instanceprotocol
