// SPDX-License-Identifier: GPL-2.0-or-later
#include "SearchStorage.h"

#include "FtsTokenizer.h"
#include "SearchHit.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <vector>
#include <memory>

#include <zdict.h>
#include <zstd.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// zstd's default level: on mail text it packs tighter than zlib's best
// while it runs several times faster than zlib's fastest, which matters as
// every item of a large file passes through it.
constexpr int kCompressionLevel = 3;
// A stored text unpacks to at most this (a damaged row may claim more).
constexpr unsigned long long kMaxUnpackedBytes = 512ull * 1024 * 1024;
const QChar kSeparator = QChar(0);

QByteArray littleEndian(quint32 value)
{
    const char bytes[4] = {char(value & 0xFF), char((value >> 8) & 0xFF), char((value >> 16) & 0xFF), char(value >> 24)};
    return QByteArray(bytes, 4);
}

quint64 readLittleEndian(const QByteArray& bytes, qsizetype at)
{
    quint64 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

// Contexts are costly to make and may be reused: one of each per thread.
ZSTD_CCtx* compressionContext()
{
    thread_local const std::unique_ptr<ZSTD_CCtx, size_t (*)(ZSTD_CCtx*)> context(ZSTD_createCCtx(), ZSTD_freeCCtx);
    return context.get();
}

ZSTD_DCtx* decompressionContext()
{
    thread_local const std::unique_ptr<ZSTD_DCtx, size_t (*)(ZSTD_DCtx*)> context(ZSTD_createDCtx(), ZSTD_freeDCtx);
    return context.get();
}

// A dictionary digested for compressing or decompressing, kept while the
// same dictionary comes again (a shard's blocks all use the same one).
template<typename Digested, size_t (*release)(Digested*)>
class DigestedDictionary
{
public:
    template<typename Make>
    Digested* get(const QByteArray& dictionary, Make make)
    {
        if (!m_digested || dictionary != m_dictionary) {
            m_dictionary = dictionary;
            m_digested.reset(make(dictionary));
        }
        return m_digested.get();
    }

private:
    struct Release
    {
        void operator()(Digested* digested) const { release(digested); }
    };
    QByteArray m_dictionary;
    std::unique_ptr<Digested, Release> m_digested;
};

ZSTD_CDict* compressionDictionary(const QByteArray& dictionary)
{
    thread_local DigestedDictionary<ZSTD_CDict, ZSTD_freeCDict> digested;
    return digested.get(dictionary, [](const QByteArray& bytes) {
        return ZSTD_createCDict(bytes.constData(), size_t(bytes.size()), kCompressionLevel);
    });
}

ZSTD_DDict* decompressionDictionary(const QByteArray& dictionary)
{
    thread_local DigestedDictionary<ZSTD_DDict, ZSTD_freeDDict> digested;
    return digested.get(dictionary, [](const QByteArray& bytes) {
        return ZSTD_createDDict(bytes.constData(), size_t(bytes.size()));
    });
}

int shardNumber(const QString& fileName)
{
    static const QRegularExpression pattern(QStringLiteral("^shard-(\\d+)\\.db$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

} // namespace

QString SearchStorage::identityOf(const QString& pstPath)
{
    const QFileInfo info(pstPath);
    if (!info.exists())
        return QString();
    const QString path = info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath();
    return QStringLiteral("%1|%2|%3").arg(path).arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch());
}

QString SearchStorage::shardPath(const QString& location, int shard)
{
    return QDir(location).filePath(QStringLiteral("shard-%1.db").arg(shard));
}

QString SearchStorage::lockPath(const QString& shardPath)
{
    QString path = shardPath;
    path.chop(3);
    return path + QStringLiteral(".lock");
}

QStringList SearchStorage::shardPaths(const QString& location)
{
    QList<QPair<int, QString>> found;
    const QDir dir(location);
    for (const QString& name : dir.entryList({QStringLiteral("shard-*.db")}, QDir::Files)) {
        const int number = shardNumber(name);
        if (number >= 0)
            found.append({number, dir.filePath(name)});
    }
    std::sort(found.begin(), found.end());
    QStringList paths;
    for (const auto& entry : found)
        paths << entry.second;
    return paths;
}

bool SearchStorage::hasLiveWriter(const QString& shardPath)
{
    const int fd = ::open(QFile::encodeName(lockPath(shardPath)).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // The writer's exclusive lock lives exactly as long as its process does.
    const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0;
    ::close(fd);
    return held;
}

QStringList SearchStorage::schemaStatements()
{
    const QString tokenizer = QString::fromLatin1(FtsTokenizer::indexTokenizer());
    return {
        QStringLiteral("CREATE TABLE meta(key TEXT PRIMARY KEY, value) WITHOUT ROWID"),
        // date: ms since 1970 UTC, NULL when the item has none; cjk: the
        // item's texts are in `grams` too; block, part: where its joined()
        // long texts are in `texts`.
        QStringLiteral("CREATE TABLE items(id INTEGER PRIMARY KEY, node INTEGER NOT NULL, folder TEXT NOT NULL,"
                       " type INTEGER NOT NULL, date INTEGER, size INTEGER NOT NULL, attach INTEGER NOT NULL,"
                       " subject TEXT NOT NULL, sender TEXT NOT NULL, cjk INTEGER NOT NULL, block INTEGER NOT NULL,"
                       " part INTEGER NOT NULL)"),
        // packBlock() of the long texts of neighbouring items.
        QStringLiteral("CREATE TABLE texts(id INTEGER PRIMARY KEY, data BLOB NOT NULL)"),
        QStringLiteral("CREATE INDEX items_date ON items(date)"),
        QStringLiteral("CREATE INDEX items_folder ON items(folder)"),
        // Contentless with column detail: the words and the columns they
        // are in, no positions (phrases are checked against the packed
        // texts), which keeps the index a fraction of the text's size.
        QStringLiteral("CREATE VIRTUAL TABLE words USING fts5(subject, sender, recipients, body, attachments,"
                       " content='', detail=column, tokenize='%1')").arg(tokenizer),
        QStringLiteral("INSERT INTO words(words, rank) VALUES('rank', 'bm25(10.0, 5.0, 3.0, 1.0, 3.0)')"),
        QStringLiteral("CREATE VIRTUAL TABLE grams USING fts5(subject, sender, recipients, body, attachments,"
                       " content='', detail=column, tokenize='trigram')"),
        QStringLiteral("INSERT INTO grams(grams, rank) VALUES('rank', 'bm25(10.0, 5.0, 3.0, 1.0, 3.0)')"),
    };
}

QByteArray SearchStorage::joined(const PackedTexts& texts)
{
    return (texts.recipients + kSeparator + texts.body + kSeparator + texts.attachments).toUtf8();
}

SearchStorage::PackedTexts SearchStorage::split(const QByteArray& joined)
{
    const QStringList parts = QString::fromUtf8(joined).split(kSeparator);
    PackedTexts texts;
    if (parts.size() == 3) {
        texts.recipients = parts.at(0);
        texts.body = parts.at(1);
        texts.attachments = parts.at(2);
    }
    return texts;
}

// A block before compression: the number of texts and each one's length
// (32 bits, little-endian), then the texts one after the other.
QByteArray SearchStorage::trainDictionary(const QList<QByteArray>& samples)
{
    QByteArray together;
    std::vector<size_t> sizes;
    for (const QByteArray& sample : samples) {
        if (sample.isEmpty())
            continue;
        together.append(sample);
        sizes.push_back(size_t(sample.size()));
    }
    if (together.size() < kDictionaryBytes * 4)
        return QByteArray();
    QByteArray dictionary(kDictionaryBytes, Qt::Uninitialized);
    const size_t size = ZDICT_trainFromBuffer(dictionary.data(), size_t(dictionary.size()), together.constData(),
                                              sizes.data(), unsigned(sizes.size()));
    if (ZDICT_isError(size))
        return QByteArray();
    dictionary.truncate(qsizetype(size));
    return dictionary;
}

QByteArray SearchStorage::packBlock(const QList<QByteArray>& joinedTexts, const QByteArray& dictionary)
{
    QByteArray raw;
    qsizetype bytes = 0;
    for (const QByteArray& text : joinedTexts)
        bytes += text.size();
    raw.reserve(4 * (joinedTexts.size() + 1) + bytes);
    raw.append(littleEndian(quint32(joinedTexts.size())));
    for (const QByteArray& text : joinedTexts)
        raw.append(littleEndian(quint32(text.size())));
    for (const QByteArray& text : joinedTexts)
        raw.append(text);
    QByteArray packed(qsizetype(ZSTD_compressBound(size_t(raw.size()))), Qt::Uninitialized);
    ZSTD_CDict* digested = dictionary.isEmpty() ? nullptr : compressionDictionary(dictionary);
    if (!dictionary.isEmpty() && !digested)
        return QByteArray();
    const size_t size = digested ? ZSTD_compress_usingCDict(compressionContext(), packed.data(), size_t(packed.size()),
                                                            raw.constData(), size_t(raw.size()), digested)
                                 : ZSTD_compressCCtx(compressionContext(), packed.data(), size_t(packed.size()),
                                                     raw.constData(), size_t(raw.size()), kCompressionLevel);
    if (ZSTD_isError(size))
        return QByteArray();
    packed.truncate(qsizetype(size));
    return packed;
}

QList<QByteArray> SearchStorage::unpackBlock(const QByteArray& block, const QByteArray& dictionary)
{
    const unsigned long long size = ZSTD_getFrameContentSize(block.constData(), size_t(block.size()));
    if (size == ZSTD_CONTENTSIZE_ERROR || size == ZSTD_CONTENTSIZE_UNKNOWN || size < 4 || size > kMaxUnpackedBytes)
        return {};
    QByteArray raw(qsizetype(size), Qt::Uninitialized);
    ZSTD_DDict* digested = dictionary.isEmpty() ? nullptr : decompressionDictionary(dictionary);
    if (!dictionary.isEmpty() && !digested)
        return {};
    const size_t got = digested ? ZSTD_decompress_usingDDict(decompressionContext(), raw.data(), size_t(raw.size()),
                                                             block.constData(), size_t(block.size()), digested)
                                : ZSTD_decompressDCtx(decompressionContext(), raw.data(), size_t(raw.size()),
                                                      block.constData(), size_t(block.size()));
    if (ZSTD_isError(got) || got != size)
        return {};
    const quint64 count = readLittleEndian(raw, 0);
    if (4 * (count + 1) > quint64(raw.size()))
        return {};
    QList<QByteArray> texts;
    texts.reserve(qsizetype(count));
    quint64 at = 4 * (count + 1);
    for (quint64 i = 0; i < count; ++i) {
        const quint64 length = readLittleEndian(raw, qsizetype(4 * (i + 1)));
        if (at + length > quint64(raw.size()))
            return {};
        texts.append(raw.mid(qsizetype(at), qsizetype(length)));
        at += length;
    }
    return texts;
}

bool SearchStorage::isCjk(char32_t c)
{
    return (c >= 0x3040 && c <= 0x30FF)      // Hiragana, Katakana
        || (c >= 0x3400 && c <= 0x4DBF)      // CJK Extension A
        || (c >= 0x4E00 && c <= 0x9FFF)      // CJK Unified Ideographs
        || (c >= 0xAC00 && c <= 0xD7AF)      // Hangul syllables
        || (c >= 0xF900 && c <= 0xFAFF)      // CJK compatibility ideographs
        || (c >= 0xFF66 && c <= 0xFF9F)      // half-width Katakana
        || (c >= 0x20000 && c <= 0x3134F);   // CJK Extensions B to G
}

bool SearchStorage::containsCjk(const QString& text)
{
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit < 0x3040)
            continue;
        // Extensions B to G start with the high surrogates D840 to D884.
        if (isCjk(unit) || (unit >= 0xD840 && unit <= 0xD884))
            return true;
    }
    return false;
}

QString SearchStorage::cleaned(const QString& text)
{
    const QChar unwanted[] = {kSeparator, SearchHit::kMatchStart, SearchHit::kMatchEnd};
    QString result = text;
    for (const QChar c : unwanted) {
        if (result.contains(c))
            result.replace(c, QLatin1Char(' '));
    }
    return result;
}
