// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/store/sqlitestatement.h"

#include <QByteArray>

#include <sqlite3.h>

namespace calmdesk {

PreparedStatement::~PreparedStatement()
{
    sqlite3_finalize(m_stmt);
}

bool PreparedStatement::prepare(sqlite3 *db, const char *sql)
{
    sqlite3_finalize(m_stmt);
    m_stmt = nullptr;
    return sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &m_stmt, nullptr) ==
               SQLITE_OK &&
           m_stmt;
}

StatementRun::StatementRun(const PreparedStatement &statement)
    : m_stmt(statement.handle())
    , m_failed(m_stmt == nullptr)
{}

StatementRun::~StatementRun()
{
    if (m_stmt) {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }
}

StatementRun &StatementRun::bind(int index, const QString &text)
{
    if (m_failed)
        return *this;
    const QByteArray utf8 = text.toUtf8();
    if (sqlite3_bind_text(m_stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT) !=
        SQLITE_OK)
        m_failed = true;
    return *this;
}

StatementRun &StatementRun::bind(int index, qint64 number)
{
    if (!m_failed && sqlite3_bind_int64(m_stmt, index, number) != SQLITE_OK)
        m_failed = true;
    return *this;
}

bool StatementRun::nextRow()
{
    if (m_failed)
        return false;
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        m_failed = true;
    return false;
}

bool StatementRun::exec()
{
    while (nextRow()) {
    }
    return !m_failed;
}

QString StatementRun::text(int column) const
{
    const auto *data = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
    const int size = sqlite3_column_bytes(m_stmt, column);
    return data ? QString::fromUtf8(data, size) : QString();
}

qint64 StatementRun::integer(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

bool StatementRun::isNull(int column) const
{
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

} // namespace calmdesk
