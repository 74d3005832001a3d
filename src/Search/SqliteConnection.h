// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

struct sqlite3;

// One SQLite database connection, closed when it goes.
class SqliteConnection
{
public:
    enum class Mode { ReadOnly, ReadWriteCreate };

    SqliteConnection() = default;
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    // ":memory:" opens a private in-memory database.
    bool open(const QString& path, Mode mode);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    sqlite3* handle() const { return m_db; }

    // Runs statements that return no rows.
    bool exec(const QString& sql);
    // The single value of a one-row query, or `fallback`.
    qint64 integer(const QString& sql, qint64 fallback = -1) const;
    QString text(const QString& sql) const;

    // SQLite's code and message of the last failure ("" while none).
    int errorCode() const;
    QString errorMessage() const;

private:
    sqlite3* m_db = nullptr;
    QString m_openError;
};
