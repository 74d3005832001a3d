// SPDX-License-Identifier: GPL-2.0-or-later
#include "ShardTextReader.h"

#include "SearchStorage.h"
#include "SqliteStatement.h"

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

struct ShardTextReader::Unpacker::Private
{
    ZSTD_DCtx* context = nullptr;
    ZSTD_DDict* dictionary = nullptr;
    bool dictionaryBroken = false;
    // The unpacked block and where each item's joined texts lie in it.
    std::vector<char> raw;
    std::vector<std::pair<size_t, size_t>> parts;

    ~Private()
    {
        ZSTD_freeDDict(dictionary);
        ZSTD_freeDCtx(context);
    }
};

ShardTextReader::Unpacker::Unpacker(const QByteArray& dictionary) : d(std::make_unique<Private>())
{
    d->context = ZSTD_createDCtx();
    if (!dictionary.isEmpty()) {
        d->dictionary = ZSTD_createDDict(dictionary.constData(), size_t(dictionary.size()));
        d->dictionaryBroken = !d->dictionary;
    }
}

ShardTextReader::Unpacker::~Unpacker() = default;

void ShardTextReader::Unpacker::unpack(const QByteArray& packed)
{
    d->parts.clear();
    if (!d->context || d->dictionaryBroken || packed.isEmpty())
        return;
    const size_t size = size_t(packed.size());
    const unsigned long long unpacked = ZSTD_getFrameContentSize(packed.constData(), size);
    if (unpacked == ZSTD_CONTENTSIZE_ERROR || unpacked == ZSTD_CONTENTSIZE_UNKNOWN || unpacked < 4
        || unpacked > kMaxUnpackedBytes)
        return;
    std::vector<char>& raw = d->raw;
    raw.resize(size_t(unpacked));
    const size_t got = d->dictionary
        ? ZSTD_decompress_usingDDict(d->context, raw.data(), raw.size(), packed.constData(), size, d->dictionary)
        : ZSTD_decompressDCtx(d->context, raw.data(), raw.size(), packed.constData(), size);
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
    d->parts = std::move(found);
}

void ShardTextReader::Unpacker::texts(qint64 part, SearchPlan::Texts* texts) const
{
    texts->recipients.clear();
    texts->body.clear();
    texts->attachments.clear();
    if (part < 0 || quint64(part) >= d->parts.size())
        return;
    // The texts are joined by NULs, which they never hold themselves.
    const char* const joined = d->raw.data() + d->parts[size_t(part)].first;
    const char* const end = joined + d->parts[size_t(part)].second;
    const auto* first = static_cast<const char*>(std::memchr(joined, 0, size_t(end - joined)));
    const auto* second = first ? static_cast<const char*>(std::memchr(first + 1, 0, size_t(end - first - 1))) : nullptr;
    if (!second || std::memchr(second + 1, 0, size_t(end - second - 1)))
        return;
    texts->recipients = QByteArray::fromRawData(joined, first - joined);
    texts->body = QByteArray::fromRawData(first + 1, second - first - 1);
    texts->attachments = QByteArray::fromRawData(second + 1, end - second - 1);
}

struct ShardTextReader::Statement
{
    explicit Statement(sqlite3* db) : read(db, QStringLiteral("SELECT data FROM texts WHERE id = ?")) {}
    SqliteStatement read;
};

ShardTextReader::ShardTextReader(sqlite3* db) : m_read(std::make_unique<Statement>(db))
{
    m_dictionary = packedBlock(SearchStorage::kDictionaryRow);
    m_unpacker = std::make_unique<Unpacker>(m_dictionary);
}

ShardTextReader::~ShardTextReader() = default;

QByteArray ShardTextReader::packedBlock(qint64 block)
{
    SqliteStatement& read = m_read->read;
    read.reset();
    read.bind(1, block);
    QByteArray packed = read.step() ? read.blob(0) : QByteArray();
    // Lets go of the row: no read of the shard stays open.
    read.reset();
    return packed;
}

void ShardTextReader::read(qint64 block, qint64 part, SearchPlan::Texts* texts)
{
    if (block != m_block) {
        m_block = block;
        m_unpacker->unpack(packedBlock(block));
    }
    m_unpacker->texts(part, texts);
}
