// SPDX-License-Identifier: GPL-2.0-or-later
#include "FtsTokenizer.h"

#include "Log.h"

#include <sqlite3.h>

#include <string>

namespace {

fts5_api* fts5Of(sqlite3* db)
{
    fts5_api* api = nullptr;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT fts5(?1)", -1, &statement, nullptr) == SQLITE_OK) {
        sqlite3_bind_pointer(statement, 1, static_cast<void*>(&api), "fts5_api_ptr", nullptr);
        sqlite3_step(statement);
    }
    sqlite3_finalize(statement);
    return api;
}

bool isAsciiAlnum(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

int collect(void* context, int flags, const char* token, int length, int start, int end)
{
    // Colocated tokens (synonyms) are not produced by unicode61.
    if (flags & FTS5_TOKEN_COLOCATED)
        return SQLITE_OK;
    auto* tokens = static_cast<QList<FtsTokenizer::Token>*>(context);
    tokens->append({QByteArray(token, length), start, end});
    return SQLITE_OK;
}

int visitToken(void* context, int flags, const char* token, int length, int start, int end)
{
    if (flags & FTS5_TOKEN_COLOCATED)
        return SQLITE_OK;
    const auto& visit = *static_cast<const std::function<bool(const FtsTokenizer::Token&)>*>(context);
    // Any code but SQLITE_OK ends the tokenizing.
    return visit({QByteArray::fromRawData(token, length), start, end}) ? SQLITE_OK : SQLITE_DONE;
}

} // namespace

FtsTokenizer::FtsTokenizer()
{
    if (!m_connection.open(QStringLiteral(":memory:"), SqliteConnection::Mode::ReadWriteCreate))
        return;
    fts5_api* fts5 = fts5Of(m_connection.handle());
    void* userData = nullptr;
    if (!fts5 || fts5->xFindTokenizer(fts5, "unicode61", &userData, &m_api) != SQLITE_OK) {
        Log::warn(QStringLiteral("Search: SQLite has no FTS5 unicode61 tokenizer."));
        return;
    }
    const char* arguments[] = {"remove_diacritics", "2"};
    if (m_api.xCreate(userData, arguments, 2, &m_tokenizer) != SQLITE_OK)
        m_tokenizer = nullptr;
}

FtsTokenizer::~FtsTokenizer()
{
    if (m_tokenizer)
        m_api.xDelete(m_tokenizer);
}

QList<FtsTokenizer::Token> FtsTokenizer::tokens(const QByteArray& utf8) const
{
    QList<Token> result;
    if (!m_tokenizer || utf8.isEmpty())
        return result;
    m_api.xTokenize(m_tokenizer, &result, FTS5_TOKENIZE_DOCUMENT, utf8.constData(), int(utf8.size()), collect);
    return result;
}

QList<QByteArray> FtsTokenizer::words(const QString& text) const
{
    QList<QByteArray> result;
    for (const Token& token : tokens(text.toUtf8()))
        result.append(token.folded);
    return result;
}

bool FtsTokenizer::forEachAsciiToken(const QByteArray& text, const std::function<bool(const Token&)>& visit)
{
    const char* const data = text.constData();
    const int size = int(text.size());
    for (int i = 0; i < size; ++i) {
        if (static_cast<unsigned char>(data[i]) >= 0x80)
            return false;
    }
    // unicode61 on ASCII: letters and digits make words, all else parts
    // them; words are folded to lower case. A word without capitals is
    // handed over as it stands, the others through one reused buffer.
    std::string buffer;
    for (int i = 0; i < size;) {
        while (i < size && !isAsciiAlnum(data[i]))
            ++i;
        const int start = i;
        bool capitals = false;
        for (; i < size && isAsciiAlnum(data[i]); ++i) {
            if (data[i] >= 'A' && data[i] <= 'Z')
                capitals = true;
        }
        if (i == start)
            break;
        QByteArray folded;
        if (capitals) {
            buffer.assign(data + start, size_t(i - start));
            for (char& c : buffer)
                c = (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c;
            folded = QByteArray::fromRawData(buffer.data(), qsizetype(buffer.size()));
        } else {
            folded = QByteArray::fromRawData(data + start, i - start);
        }
        if (!visit({folded, start, i}))
            break;
    }
    return true;
}

void FtsTokenizer::forEachToken(const QByteArray& utf8, const std::function<bool(const Token&)>& visit) const
{
    if (!m_tokenizer || utf8.isEmpty() || forEachAsciiToken(utf8, visit))
        return;
    m_api.xTokenize(m_tokenizer, const_cast<std::function<bool(const Token&)>*>(&visit), FTS5_TOKENIZE_DOCUMENT,
                    utf8.constData(), int(utf8.size()), visitToken);
}
