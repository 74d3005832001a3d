// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// How the search index of a file is kept on disk, shared by its writers
// and readers.
//
// The index of one PST file is a folder of shards ("shard-<n>.db"), one
// SQLite database per writer, so several processes index parts of the file
// at once. While a writer works on a shard it holds an exclusive flock on
// "shard-<n>.lock"; a shard that lacks its completion marker and whose lock
// nobody holds was left half-built. Each shard's `meta` table records:
//   schema      the layout version (kSchemaVersion)
//   identity    the PST file's path, size and modification time
//   shard       this shard's number, 0-based
//   shards      how many shards the whole index has
//   totalItems  the items of the whole file, once its writer knows them
//   complete    the items of this shard, written last with the marker
class SearchStorage
{
public:
    static constexpr int kSchemaVersion = 2;

    // The stored texts that only the snippets and exact-phrase checks need.
    struct PackedTexts
    {
        QString recipients;
        QString body;
        QString attachments;
    };

    // "canonical path|size|modification time in ms"; "" when the file is missing.
    static QString identityOf(const QString& pstPath);
    static QString shardPath(const QString& location, int shard);
    static QString lockPath(const QString& shardPath);
    // The shard databases present in `location`, by number.
    static QStringList shardPaths(const QString& location);
    // Whether a live process holds the writer's lock of `shardPath`.
    static bool hasLiveWriter(const QString& shardPath);

    // The statements that create an empty shard.
    static QStringList schemaStatements();

    // One item's texts as one UTF-8 string, and back (empty texts for a
    // damaged one).
    static QByteArray joined(const PackedTexts& texts);
    static PackedTexts split(const QByteArray& joined);
    // The joined texts of neighbouring items compressed together (zstd) as
    // one row of `texts`: they pack tighter together, and a block fills
    // its pages where one item's texts would leave much of its last page
    // empty. unpackBlock() gives nothing for a damaged block. A shard's
    // blocks may share a dictionary (row kDictionaryRow of `texts`), made
    // by trainDictionary() from its first texts: what mails of one file
    // repeat (signatures, notices, the words of its language) is stored once.
    static QByteArray packBlock(const QList<QByteArray>& joinedTexts, const QByteArray& dictionary = QByteArray());
    static QList<QByteArray> unpackBlock(const QByteArray& block, const QByteArray& dictionary = QByteArray());
    // Empty when the samples are too few to learn from.
    static QByteArray trainDictionary(const QList<QByteArray>& samples);
    static constexpr int kDictionaryRow = 0;
    static constexpr int kDictionaryBytes = 64 * 1024;
    // The texts a dictionary is trained on, at most.
    static constexpr int kDictionarySampleBytes = 2 * 1024 * 1024;
    // A block is written once it holds this many bytes or items.
    static constexpr int kBlockBytes = 32 * 1024;
    static constexpr int kBlockItems = 64;

    // Chinese, Japanese or Korean letters, which are written without spaces
    // between words and go to the trigram index as well.
    static bool containsCjk(const QString& text);
    static bool isCjk(char32_t codePoint);
    // Removes what must never be stored: NULs (the packing separator) and
    // the snippet match marks.
    static QString cleaned(const QString& text);
};
