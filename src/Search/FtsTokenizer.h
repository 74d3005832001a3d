// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "SqliteConnection.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

#include <sqlite3.h>

// The words of a text exactly as the index sees them: SQLite's own
// unicode61 tokenizer with diacritics removed, run outside any table, so
// query words, phrase checks and snippet marks agree with the index.
class FtsTokenizer
{
public:
    struct Token
    {
        QByteArray folded;  // lower case, diacritics removed (UTF-8)
        int start = 0;      // byte range in the tokenized UTF-8 text
        int end = 0;
    };

    FtsTokenizer();
    ~FtsTokenizer();
    FtsTokenizer(const FtsTokenizer&) = delete;
    FtsTokenizer& operator=(const FtsTokenizer&) = delete;

    bool isValid() const { return m_tokenizer != nullptr; }
    QList<Token> tokens(const QByteArray& utf8) const;
    // Hands each token of `utf8` to `visit` until it returns false; the
    // token's text is valid during the call only.
    void forEachToken(const QByteArray& utf8, const std::function<bool(const Token&)>& visit) const;
    // The folded words of `text`.
    QList<QByteArray> words(const QString& text) const;

    // The tokenizer the index tables are declared with.
    static const char* indexTokenizer() { return "unicode61 remove_diacritics 2"; }

private:
    // The words of a text of ASCII characters alone, as unicode61 makes
    // them, many times faster; false (nothing visited) for any other text.
    static bool forEachAsciiToken(const QByteArray& text, const std::function<bool(const Token&)>& visit);

    SqliteConnection m_connection;
    fts5_tokenizer m_api{};
    Fts5Tokenizer* m_tokenizer = nullptr;
};
