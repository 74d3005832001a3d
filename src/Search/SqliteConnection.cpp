// SPDX-License-Identifier: GPL-2.0-or-later
#include "SqliteConnection.h"

#include "SqliteStatement.h"

#include <sqlite3.h>

SqliteConnection::~SqliteConnection()
{
    close();
}

bool SqliteConnection::open(const QString& path, Mode mode)
{
    close();
    const int flags = SQLITE_OPEN_NOMUTEX
        | (mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    const int result = sqlite3_open_v2(path.toUtf8().constData(), &m_db, flags, nullptr);
    if (result != SQLITE_OK) {
        m_openError = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString::fromUtf8(sqlite3_errstr(result));
        sqlite3_close(m_db);
        m_db = nullptr;
        return false;
    }
    m_openError.clear();
    sqlite3_extended_result_codes(m_db, 0);
    // A writer commits now and then; a reader waits for it rather than fail.
    sqlite3_busy_timeout(m_db, 2000);
    return true;
}

void SqliteConnection::close()
{
    if (m_db)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
}

bool SqliteConnection::exec(const QString& sql)
{
    if (!m_db)
        return false;
    return sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

qint64 SqliteConnection::integer(const QString& sql, qint64 fallback) const
{
    if (!m_db)
        return fallback;
    SqliteStatement statement(m_db, sql);
    if (!statement.step() || statement.isNull(0))
        return fallback;
    return statement.integer(0);
}

QString SqliteConnection::text(const QString& sql) const
{
    if (!m_db)
        return QString();
    SqliteStatement statement(m_db, sql);
    return statement.step() ? statement.text(0) : QString();
}

int SqliteConnection::errorCode() const
{
    return m_db ? sqlite3_errcode(m_db) : SQLITE_CANTOPEN;
}

QString SqliteConnection::errorMessage() const
{
    return m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : m_openError;
}
