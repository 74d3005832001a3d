// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

// One prepared SQLite statement, finalized when it goes. Binding is by
// 1-based index; columns by 0-based index.
class SqliteStatement
{
public:
    SqliteStatement(sqlite3* db, const QString& sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool isValid() const { return m_statement != nullptr; }
    void bind(int index, qint64 value);
    void bind(int index, const QString& text);
    void bind(int index, const QByteArray& blob);
    void bindNull(int index);

    // True while a row is there; false at the end or on an error (see result()).
    bool step();
    // SQLITE_DONE after the last row, SQLITE_ROW, or the error code.
    int result() const { return m_result; }
    bool succeeded() const;
    // Makes the statement ready for new values.
    void reset();

    qint64 integer(int column) const;
    double real(int column) const;
    bool isNull(int column) const;
    QString text(int column) const;
    QByteArray blob(int column) const;

private:
    sqlite3_stmt* m_statement = nullptr;
    int m_result = 0;
};
