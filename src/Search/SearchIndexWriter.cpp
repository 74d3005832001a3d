// SPDX-License-Identifier: GPL-2.0-or-later
#include "SearchIndexWriter.h"

#include "Log.h"
#include "SearchIndex.h"
#include "SearchStorage.h"
#include "SqliteConnection.h"
#include "SqliteStatement.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QVariant>

#include <sqlite3.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// Items per transaction: large enough that commits cost little, small
// enough that a search during the build sees progress.
constexpr int kItemsPerTransaction = 5000;
// Page cache per writer; several writers run at once.
constexpr int kCacheKib = 32 * 1024;
// The words FTS5 gathers in memory before it writes them as a segment of
// the index. Its default (1 MB, some fifty mails) makes many small segments
// that are then merged again and again; this is most of a transaction.
constexpr int kPendingWordBytes = 32 * 1024 * 1024;
// The text (of many items) handed to FTS5 in one go. Its table of pending
// words is larger than the processor's cache; reading the next item between
// two of them pushes the table out, and each word then costs a trip to
// memory. In bursts the build takes a fifth less time.
constexpr qsizetype kWordBurstBytes = 8 * 1024 * 1024;

// The texts of one item for the words tables, until they get them.
struct PendingWords
{
    qint64 id = 0;
    bool cjk = false;
    QString subject;
    QString sender;
    SearchStorage::PackedTexts texts;
};

} // namespace

struct SearchIndexWriter::Private
{
    QString pstPath;
    QString identity;
    QString location;
    QString shardPath;
    int lockFd = -1;
    SqliteConnection db;
    std::unique_ptr<SqliteStatement> insertItem;
    std::unique_ptr<SqliteStatement> insertWords;
    std::unique_ptr<SqliteStatement> insertGrams;
    std::unique_ptr<SqliteStatement> insertBlock;
    // The texts of the block being filled, and its number.
    QList<QByteArray> blockTexts;
    qsizetype blockBytes = 0;
    qint64 block = 1;
    // The shard's dictionary, once made, and the blocks held back until
    // then: it is trained on their texts.
    QByteArray dictionary;
    bool dictionaryMade = false;
    QList<QPair<qint64, QList<QByteArray>>> heldBlocks;
    qsizetype heldBytes = 0;
    // The burst being gathered: blocks to pack and store, items for the
    // words tables.
    QList<QPair<qint64, QList<QByteArray>>> readyBlocks;
    QList<PendingWords> pendingWords;
    qsizetype pendingWordBytes = 0;
    bool inTransaction = false;
    int added = 0;
    int sinceCommit = 0;
    QString error;

    bool fail(const QString& message)
    {
        error = message;
        Log::warn(QStringLiteral("Search index: %1").arg(message));
        return false;
    }
    bool failSql(const char* what)
    {
        const QString reason = db.errorMessage();
        if (inTransaction)
            db.exec(QStringLiteral("ROLLBACK"));
        inTransaction = false;
        sinceCommit = 0;
        Log::warn(QStringLiteral("Search index: %1 failed").arg(QString::fromLatin1(what)));
        return fail(QCoreApplication::translate("SearchIndexWriter", "Cannot write the search index %1: %2.")
                        .arg(QDir::toNativeSeparators(shardPath), reason));
    }
    bool lock();
    bool create();
    bool setMeta(const QString& key, const QVariant& value);
    bool begin();
    bool writeBlock();
    bool makeDictionary();
    bool storeRow(qint64 id, const QByteArray& data);
    bool writeBurst();
};

// Hands the gathered work to zstd and FTS5, each in one go.
bool SearchIndexWriter::Private::writeBurst()
{
    for (const auto& [id, texts] : std::exchange(readyBlocks, {})) {
        const QByteArray packed = SearchStorage::packBlock(texts, dictionary);
        if (packed.isEmpty())
            return fail(QCoreApplication::translate("SearchIndexWriter", "Cannot write the search index %1: %2.")
                            .arg(QDir::toNativeSeparators(shardPath), QStringLiteral("compression failed")));
        if (!storeRow(id, packed))
            return false;
    }
    const QList<PendingWords> items = std::exchange(pendingWords, {});
    pendingWordBytes = 0;
    for (const PendingWords& item : items) {
        for (SqliteStatement* table : {insertWords.get(), item.cjk ? insertGrams.get() : nullptr}) {
            if (!table)
                continue;
            table->reset();
            table->bind(1, item.id);
            table->bind(2, item.subject);
            table->bind(3, item.sender);
            table->bind(4, item.texts.recipients);
            table->bind(5, item.texts.body);
            table->bind(6, item.texts.attachments);
            table->step();
            if (!table->succeeded())
                return failSql("words");
        }
    }
    return true;
}

// Ends the block being filled: packed with the next burst, or held for the
// dictionary.
bool SearchIndexWriter::Private::writeBlock()
{
    if (blockTexts.isEmpty())
        return true;
    const qint64 id = block++;
    const QList<QByteArray> texts = std::exchange(blockTexts, {});
    heldBytes += std::exchange(blockBytes, 0);
    if (dictionaryMade) {
        readyBlocks.append({id, texts});
        return true;
    }
    heldBlocks.append({id, texts});
    return heldBytes < SearchStorage::kDictionarySampleBytes || makeDictionary();
}

// Trains the dictionary on the held blocks' texts; they are packed with the
// next burst.
bool SearchIndexWriter::Private::makeDictionary()
{
    if (dictionaryMade || heldBlocks.isEmpty())
        return true;
    QList<QByteArray> samples;
    for (const auto& held : std::as_const(heldBlocks))
        samples.append(held.second);
    dictionary = SearchStorage::trainDictionary(samples);
    dictionaryMade = true;
    if (!dictionary.isEmpty() && !storeRow(SearchStorage::kDictionaryRow, dictionary))
        return false;
    readyBlocks.append(std::exchange(heldBlocks, {}));
    return true;
}

bool SearchIndexWriter::Private::storeRow(qint64 id, const QByteArray& data)
{
    insertBlock->reset();
    insertBlock->bind(1, id);
    insertBlock->bind(2, data);
    insertBlock->step();
    return insertBlock->succeeded() || failSql("texts");
}

bool SearchIndexWriter::Private::lock()
{
    const QString path = SearchStorage::lockPath(shardPath);
    lockFd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (lockFd < 0)
        return fail(QCoreApplication::translate("SearchIndexWriter", "Cannot create the search index in %1: %2.")
                        .arg(QDir::toNativeSeparators(location), QString::fromLocal8Bit(std::strerror(errno))));
    if (::flock(lockFd, LOCK_EX | LOCK_NB) != 0) {
        ::close(lockFd);
        lockFd = -1;
        return fail(QCoreApplication::translate("SearchIndexWriter", "The search index %1 is being written by another process.")
                        .arg(QDir::toNativeSeparators(shardPath)));
    }
    return true;
}

bool SearchIndexWriter::Private::create()
{
    for (const QString& suffix : {QString(), QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        QFile old(shardPath + suffix);
        if (old.exists() && !old.remove())
            return fail(QCoreApplication::translate("SearchIndexWriter", "Cannot replace the search index %1: %2.")
                            .arg(QDir::toNativeSeparators(shardPath), old.errorString()));
    }
    if (!db.open(shardPath, SqliteConnection::Mode::ReadWriteCreate))
        return fail(QCoreApplication::translate("SearchIndexWriter", "Cannot create the search index %1: %2.")
                        .arg(QDir::toNativeSeparators(shardPath), db.errorMessage()));
    // Until the marker is written the shard is not trusted, so a crash may
    // leave it broken: syncing every commit would only slow the build.
    db.exec(QStringLiteral("PRAGMA synchronous=OFF"));
    db.exec(QStringLiteral("PRAGMA cache_size=-%1").arg(kCacheKib));
    // The merges of the index's segments leave pages free; finish() gives
    // them back to the file system (set before any table exists).
    db.exec(QStringLiteral("PRAGMA auto_vacuum=INCREMENTAL"));
    if (!begin())
        return false;
    for (const QString& statement : SearchStorage::schemaStatements()) {
        if (!db.exec(statement))
            return failSql("schema");
    }
    for (const char* table : {"words", "grams"}) {
        if (!db.exec(QStringLiteral("INSERT INTO %1(%1, rank) VALUES('hashsize', %2)").arg(QLatin1String(table)).arg(kPendingWordBytes)))
            return failSql("schema");
    }
    insertItem = std::make_unique<SqliteStatement>(
        db.handle(), QStringLiteral("INSERT INTO items(node, folder, type, date, size, attach, subject, sender, cjk,"
                                    " block, part) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    insertBlock = std::make_unique<SqliteStatement>(db.handle(), QStringLiteral("INSERT INTO texts(id, data) VALUES(?, ?)"));
    insertWords = std::make_unique<SqliteStatement>(
        db.handle(), QStringLiteral("INSERT INTO words(rowid, subject, sender, recipients, body, attachments)"
                                    " VALUES(?, ?, ?, ?, ?, ?)"));
    insertGrams = std::make_unique<SqliteStatement>(
        db.handle(), QStringLiteral("INSERT INTO grams(rowid, subject, sender, recipients, body, attachments)"
                                    " VALUES(?, ?, ?, ?, ?, ?)"));
    if (!insertItem->isValid() || !insertWords->isValid() || !insertGrams->isValid() || !insertBlock->isValid())
        return failSql("prepare");
    return true;
}

bool SearchIndexWriter::Private::begin()
{
    if (inTransaction)
        return true;
    if (!db.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return failSql("begin");
    inTransaction = true;
    return true;
}

bool SearchIndexWriter::Private::setMeta(const QString& key, const QVariant& value)
{
    SqliteStatement statement(db.handle(), QStringLiteral("INSERT OR REPLACE INTO meta(key, value) VALUES(?, ?)"));
    statement.bind(1, key);
    if (value.typeId() == QMetaType::QString)
        statement.bind(2, value.toString());
    else
        statement.bind(2, value.toLongLong());
    statement.step();
    return statement.succeeded() || failSql("meta");
}

SearchIndexWriter::SearchIndexWriter(const QString& pstPath) : d(std::make_unique<Private>())
{
    d->pstPath = pstPath;
}

SearchIndexWriter::~SearchIndexWriter()
{
    close();
}

bool SearchIndexWriter::open(int shard, int shardCount)
{
    close();
    d->error.clear();
    d->added = 0;
    d->block = 1;
    d->blockTexts.clear();
    d->blockBytes = 0;
    d->dictionary.clear();
    d->dictionaryMade = false;
    d->heldBlocks.clear();
    d->heldBytes = 0;
    d->readyBlocks.clear();
    d->pendingWords.clear();
    d->pendingWordBytes = 0;
    d->identity = SearchStorage::identityOf(d->pstPath);
    if (d->identity.isEmpty())
        return d->fail(QCoreApplication::translate("SearchIndexWriter", "The file %1 is gone.").arg(QDir::toNativeSeparators(d->pstPath)));
    if (shard < 0 || shardCount < 1 || shard >= shardCount)
        return d->fail(QStringLiteral("shard %1 of %2 does not exist").arg(shard).arg(shardCount));
    d->location = SearchIndex::locationFor(d->pstPath);
    d->shardPath = SearchStorage::shardPath(d->location, shard);
    if (!QDir().mkpath(d->location))
        return d->fail(QCoreApplication::translate("SearchIndexWriter", "Cannot create the search index folder %1.").arg(QDir::toNativeSeparators(d->location)));
    if (!d->lock() || !d->create())
        return false;
    const bool ok = d->setMeta(QStringLiteral("schema"), SearchStorage::kSchemaVersion)
        && d->setMeta(QStringLiteral("identity"), d->identity) && d->setMeta(QStringLiteral("shard"), shard)
        && d->setMeta(QStringLiteral("shards"), shardCount);
    return ok && commit();
}

bool SearchIndexWriter::setTotalItems(int totalItems)
{
    if (!d->db.isOpen() || !d->begin())
        return false;
    return d->setMeta(QStringLiteral("totalItems"), totalItems);
}

bool SearchIndexWriter::add(const IndexedItem& item)
{
    if (!d->db.isOpen() || !d->begin())
        return false;
    const QString subject = SearchStorage::cleaned(item.subject);
    const QString sender = SearchStorage::cleaned(item.sender);
    SearchStorage::PackedTexts texts{SearchStorage::cleaned(item.recipients), SearchStorage::cleaned(item.body),
                                     SearchStorage::cleaned(item.attachmentNames)};
    const bool cjk = SearchStorage::containsCjk(subject) || SearchStorage::containsCjk(sender)
        || SearchStorage::containsCjk(texts.recipients) || SearchStorage::containsCjk(texts.body)
        || SearchStorage::containsCjk(texts.attachments);
    SqliteStatement& row = *d->insertItem;
    row.reset();
    row.bind(1, qint64(item.nodeId));
    row.bind(2, item.folderPath);
    row.bind(3, qint64(item.itemType));
    if (item.date.isValid())
        row.bind(4, item.date.toMSecsSinceEpoch());
    else
        row.bindNull(4);
    row.bind(5, item.size);
    row.bind(6, qint64(item.hasAttachment ? 1 : 0));
    row.bind(7, subject);
    row.bind(8, sender);
    row.bind(9, qint64(cjk ? 1 : 0));
    row.bind(10, d->block);
    row.bind(11, qint64(d->blockTexts.size()));
    row.step();
    if (!row.succeeded())
        return d->failSql("item");
    const qint64 id = sqlite3_last_insert_rowid(d->db.handle());
    d->blockTexts.append(SearchStorage::joined(texts));
    d->blockBytes += d->blockTexts.constLast().size();
    if ((d->blockBytes >= SearchStorage::kBlockBytes || d->blockTexts.size() >= SearchStorage::kBlockItems)
        && !d->writeBlock())
        return false;
    d->pendingWordBytes += (subject.size() + sender.size() + texts.recipients.size() + texts.body.size()
                            + texts.attachments.size()) * qsizetype(sizeof(QChar));
    d->pendingWords.append({id, cjk, subject, sender, texts});
    if (d->pendingWordBytes >= kWordBurstBytes && !d->writeBurst())
        return false;
    ++d->added;
    if (++d->sinceCommit >= kItemsPerTransaction)
        return commit();
    return true;
}

bool SearchIndexWriter::commit()
{
    if (!d->inTransaction)
        return d->db.isOpen();
    // Readers must find the texts of every item they see.
    if (!d->writeBlock() || !d->makeDictionary() || !d->writeBurst())
        return false;
    if (!d->db.exec(QStringLiteral("COMMIT")))
        return d->failSql("commit");
    d->inTransaction = false;
    d->sinceCommit = 0;
    return true;
}

bool SearchIndexWriter::finish(int totalItems)
{
    if (!d->db.isOpen() || !commit())
        return false;
    // The marker must reach the disk whole, with everything before it.
    d->db.exec(QStringLiteral("PRAGMA synchronous=FULL"));
    if (!d->begin())
        return false;
    if (!d->db.exec(QStringLiteral("INSERT INTO words(words) VALUES('optimize')"))
        || !d->db.exec(QStringLiteral("INSERT INTO grams(grams) VALUES('optimize')"))
        || !d->db.exec(QStringLiteral("PRAGMA incremental_vacuum")))
        return d->failSql("optimize");
    if (!d->setMeta(QStringLiteral("totalItems"), totalItems) || !d->setMeta(QStringLiteral("complete"), d->added))
        return false;
    return commit();
}

void SearchIndexWriter::close()
{
    if (d->inTransaction)
        commit();
    d->insertItem.reset();
    d->insertWords.reset();
    d->insertGrams.reset();
    d->insertBlock.reset();
    d->blockTexts.clear();
    d->readyBlocks.clear();
    d->pendingWords.clear();
    d->db.close();
    if (d->lockFd >= 0)
        ::close(d->lockFd);
    d->lockFd = -1;
}

int SearchIndexWriter::addedItems() const
{
    return d->added;
}

QString SearchIndexWriter::shardPath() const
{
    return d->shardPath;
}

QString SearchIndexWriter::errorMessage() const
{
    return d->error;
}
