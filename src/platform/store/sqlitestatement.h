// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct sqlite3;
struct sqlite3_stmt;

namespace calmdesk {

// Owns one prepared statement of a connection for the connection's lifetime.
class PreparedStatement
{
public:
    PreparedStatement() = default;
    ~PreparedStatement();

    PreparedStatement(const PreparedStatement &) = delete;
    PreparedStatement &operator=(const PreparedStatement &) = delete;

    bool prepare(sqlite3 *db, const char *sql);
    sqlite3_stmt *handle() const { return m_stmt; }

private:
    sqlite3_stmt *m_stmt = nullptr;
};

// One run of a prepared statement. The statement is reset when the run ends, so no
// read snapshot outlives the call that made it (which would hide other processes'
// writes and hold back the write-ahead log).
class StatementRun
{
public:
    explicit StatementRun(const PreparedStatement &statement);
    ~StatementRun();

    StatementRun(const StatementRun &) = delete;
    StatementRun &operator=(const StatementRun &) = delete;

    StatementRun &bind(int index, const QString &text);
    StatementRun &bind(int index, qint64 number);

    // True while a result row is ready; false at the end or on failure.
    bool nextRow();
    // Runs to the end; true unless it failed.
    bool exec();
    bool failed() const { return m_failed; }

    QString text(int column) const;
    qint64 integer(int column) const;
    bool isNull(int column) const;

private:
    sqlite3_stmt *m_stmt;
    bool m_failed = false;
};

} // namespace calmdesk
