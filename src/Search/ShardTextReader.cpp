// SPDX-License-Identifier: GPL-2.0-or-later
#include "ShardTextReader.h"

#include "SearchStorage.h"

#include <sqlite3.h>
#include <zstd.h>

#include <cstring>
#include <utility>
#include <vector>

namespace {

// Larger blocks are never written; a header claiming more is damage.
constexpr unsigned long long kMaxUnpackedBytes = 512ull * 1024 * 1024;

quint32 littleEndian(const char* at)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(at);
    return quint32(bytes[0]) | quint32(bytes[1]) << 8 | quint32(bytes[2]) << 16 | quint32(bytes[3]) << 24;
}

} // namespace

struct ShardTextReader::Private
{
    sqlite3_stmt* read = nullptr;
    ZSTD_DCtx* context = nullptr;
    ZSTD_DDict* dictionary = nullptr;
    bool dictionaryBroken = false;
    qint64 block = -1;
    // The unpacked block and where each item's joined texts lie in it.
    std::vector<char> raw;
    std::vector<std::pair<size_t, size_t>> parts;

    ~Private()
    {
        sqlite3_finalize(read);
        ZSTD_freeDDict(dictionary);
        ZSTD_freeDCtx(context);
    }
    // The blob of row `id` of `texts` handed to `use`, or false.
    template<typename Use>
    bool withRow(qint64 id, Use use)
    {
        if (!read)
            return false;
        sqlite3_bind_int64(read, 1, id);
        bool found = false;
        if (sqlite3_step(read) == SQLITE_ROW) {
            const void* data = sqlite3_column_blob(read, 0);
            const int size = sqlite3_column_bytes(read, 0);
            found = true;
            use(static_cast<const char*>(data), size_t(size));
        }
        sqlite3_reset(read);
        return found;
    }
    void unpack(const char* packed, size_t size);
};

ShardTextReader::ShardTextReader(sqlite3* db) : d(std::make_unique<Private>())
{
    if (sqlite3_prepare_v2(db, "SELECT data FROM texts WHERE id = ?", -1, &d->read, nullptr) != SQLITE_OK) {
        sqlite3_finalize(d->read);
        d->read = nullptr;
        return;
    }
    d->context = ZSTD_createDCtx();
    d->withRow(SearchStorage::kDictionaryRow, [&](const char* data, size_t size) {
        if (size == 0)
            return;
        d->dictionary = ZSTD_createDDict(data, size);
        d->dictionaryBroken = !d->dictionary;
    });
}

ShardTextReader::~ShardTextReader() = default;

void ShardTextReader::Private::unpack(const char* packed, size_t size)
{
    parts.clear();
    if (!context || dictionaryBroken)
        return;
    const unsigned long long unpacked = ZSTD_getFrameContentSize(packed, size);
    if (unpacked == ZSTD_CONTENTSIZE_ERROR || unpacked == ZSTD_CONTENTSIZE_UNKNOWN || unpacked < 4
        || unpacked > kMaxUnpackedBytes)
        return;
    raw.resize(size_t(unpacked));
    const size_t got = dictionary ? ZSTD_decompress_usingDDict(context, raw.data(), raw.size(), packed, size, dictionary)
                                  : ZSTD_decompressDCtx(context, raw.data(), raw.size(), packed, size);
    if (ZSTD_isError(got) || got != unpacked)
        return;
    // The number of texts and each one's length (32 bits, little-endian),
    // then the texts one after the other.
    const quint64 count = littleEndian(raw.data());
    if (4 * (count + 1) > raw.size())
        return;
    quint64 at = 4 * (count + 1);
    std::vector<std::pair<size_t, size_t>> found;
    found.reserve(size_t(count));
    for (quint64 i = 0; i < count; ++i) {
        const quint64 length = littleEndian(raw.data() + 4 * (i + 1));
        if (at + length > raw.size())
            return;
        found.emplace_back(size_t(at), size_t(length));
        at += length;
    }
    parts = std::move(found);
}

void ShardTextReader::read(qint64 block, qint64 part, SearchPlan::Texts* texts)
{
    texts->recipients.clear();
    texts->body.clear();
    texts->attachments.clear();
    if (block != d->block) {
        d->block = block;
        d->parts.clear();
        d->withRow(block, [&](const char* data, size_t size) { d->unpack(data, size); });
    }
    if (part < 0 || quint64(part) >= d->parts.size())
        return;
    // The texts are joined by NULs, which they never hold themselves.
    const char* const joined = d->raw.data() + d->parts[size_t(part)].first;
    const size_t size = d->parts[size_t(part)].second;
    const auto* first = static_cast<const char*>(std::memchr(joined, 0, size));
    const auto* second = first ? static_cast<const char*>(std::memchr(first + 1, 0, size_t(joined + size - first - 1))) : nullptr;
    if (!second || std::memchr(second + 1, 0, size_t(joined + size - second - 1)))
        return;
    texts->recipients = QByteArray::fromRawData(joined, first - joined);
    texts->body = QByteArray::fromRawData(first + 1, second - first - 1);
    texts->attachments = QByteArray::fromRawData(second + 1, joined + size - second - 1);
}
