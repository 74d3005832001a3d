// SPDX-License-Identifier: GPL-2.0-or-later
#include "SearchIndex.h"

#include "FtsTokenizer.h"
#include "Log.h"
#include "SearchPlan.h"
#include "SearchStorage.h"
#include "ShardTextReader.h"
#include "SqliteConnection.h"
#include "SqliteStatement.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRunnable>
#include <QSemaphore>
#include <QSet>
#include <QStandardPaths>
#include <QThread>
#include <QThreadPool>
#include <QVariant>

#include <sqlite3.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <functional>
#include <optional>
#include <vector>

namespace {

// SQLite's file header keeps the page size at byte 16 and the page count at
// byte 28 (big-endian).
constexpr int kHeaderBytes = 100;
// How much of a complete shard a reader maps into memory.
constexpr qint64 kMapBytes = qint64(1) << 30;

quint32 bigEndian(const QByteArray& bytes, int at, int size)
{
    quint32 value = 0;
    for (int i = 0; i < size; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

// A shard cut short (disk full, a copy stopped half-way) is missing pages
// its header counts.
bool isTruncated(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true;
    const QByteArray header = file.read(kHeaderBytes);
    if (header.size() < kHeaderBytes)
        return true;
    quint32 pageSize = bigEndian(header, 16, 2);
    if (pageSize == 1)
        pageSize = 65536;
    const quint32 pages = bigEndian(header, 28, 4);
    return pageSize < 512 || qint64(pageSize) * pages > file.size();
}

// What a writer killed mid-transaction leaves beside its shard: the pages
// it changed, as they were.
bool hasHotJournal(const QString& shardPath)
{
    return QFileInfo(shardPath + QStringLiteral("-journal")).size() > 0;
}

// Runs work(0) here and work(1) ... work(workers - 1) on the thread pool.
// Each call takes its share of a common list until none is left, so the
// calls that start late (the cores busy elsewhere) find nothing to do, and
// those that never started are taken back instead of waited for.
void runOnCores(int workers, const std::function<void(int)>& work)
{
    class Task : public QRunnable
    {
    public:
        Task(const std::function<void(int)>& work, int worker) : m_work(work), m_worker(worker) { setAutoDelete(false); }
        void run() override
        {
            m_work(m_worker);
            m_done.release();
        }
        void wait() { m_done.acquire(); }

    private:
        const std::function<void(int)>& m_work;
        const int m_worker;
        QSemaphore m_done;
    };
    QThreadPool* const pool = QThreadPool::globalInstance();
    std::vector<std::unique_ptr<Task>> tasks;
    for (int worker = 1; worker < workers; ++worker) {
        tasks.push_back(std::make_unique<Task>(work, worker));
        pool->start(tasks.back().get());
    }
    work(0);
    for (const std::unique_ptr<Task>& task : tasks) {
        if (!pool->tryTake(task.get()))
            task->wait();
    }
}

bool isDamageCode(int code)
{
    const int primary = code & 0xFF;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB || primary == SQLITE_IOERR
        || primary == SQLITE_CANTOPEN || primary == SQLITE_FORMAT || primary == SQLITE_SCHEMA;
}

} // namespace

struct SearchIndex::Private
{
    struct Shard
    {
        QString path;
        std::unique_ptr<SqliteConnection> db;
        State state = State::Missing;
        int number = -1;
        int count = 0;
        int items = 0;
        int totalItems = 0;
        bool writerAlive = false;
        // Unreadable because its build was interrupted.
        bool interrupted = false;
        // Made on the first query that reads texts; declared after `db`,
        // so they go before it.
        mutable std::unique_ptr<ShardTextReader> texts;
        // For the further threads that check candidates.
        mutable std::vector<std::unique_ptr<ShardTextReader::Unpacker>> unpackers;

        ShardTextReader& textReader() const
        {
            if (!texts)
                texts = std::make_unique<ShardTextReader>(db->handle());
            return *texts;
        }
    };

    QString pstPath;
    QString location;
    QString identity;
    std::vector<Shard> shards;
    mutable std::unique_ptr<FtsTokenizer> tokenizer;
    // Those of the further threads of searchShardsAtOnce() and confirm(): a tokenizer
    // is used by one thread at a time.
    mutable std::vector<std::unique_ptr<FtsTokenizer>> workerTokenizers;

    void load();
    void loadShard(Shard& shard);
    void markDamaged(Shard& shard, const QString& reason) const;
    const FtsTokenizer& words() const
    {
        if (!tokenizer)
            tokenizer = std::make_unique<FtsTokenizer>();
        return *tokenizer;
    }
    const FtsTokenizer& wordsOfWorker(int worker) const
    {
        if (worker == 0)
            return words();
        while (int(workerTokenizers.size()) < worker)
            workerTokenizers.push_back(std::make_unique<FtsTokenizer>());
        return *workerTokenizers.at(size_t(worker - 1));
    }
    // Threads that search shards at once: one per core, one per shard at most.
    int workerCount() const;
    // Searches every shard, several at once, without a date bound; the hits
    // and the error as one shard after another would give them.
    void searchShardsAtOnce(const SearchQuery& query, const Options& options, QList<SearchHit>* hits,
                            QString* error) const;
    int rankingCap(const Options& options) const;
    // Whether some shard has more matches than are worth ranking.
    bool tooManyToRank(const SearchPlan& plan, const Options& options) const;
    static void sortHits(QList<SearchHit>* hits, Order order);
    // The items `match` finds in `table` of the shard, counted up to `cap`.
    int matchCount(const Shard& shard, const QString& table, const QString& match, int cap) const;
    // Adds the shard's hits; `walkByDate` walks its items by date and asks
    // the index about each instead of ranking every match.
    bool searchShard(const Shard& shard, const SearchPlan& plan, const SearchQuery& query, const Options& options,
                     bool walkByDate, const std::optional<qint64>& dateBound, QList<SearchHit>* hits,
                     QString* error) const;
    // With hits in date order and a page full of them already, the date a
    // further hit must reach to make the page (newest first: at least it).
    static std::optional<qint64> dateBound(const QList<SearchHit>& hits, const Options& options, bool walkByDate);
    bool readHits(const Shard& shard, const QString& sql, const QVariantList& values, const SearchPlan& plan,
                  const SearchQuery& query, const Options& options, int* found, QList<SearchHit>* hits,
                  QString* error) const;
    // Checks `candidates` against their texts, on several threads when
    // there are many.
    struct Candidate;
    void confirm(const Shard& shard, const SearchPlan& plan, const SearchQuery& query,
                 std::vector<Candidate>* candidates) const;
    void makeSnippets(const SearchPlan& plan, QList<SearchHit>* hits, qsizetype from, qsizetype count) const;
};

void SearchIndex::Private::markDamaged(Shard& shard, const QString& reason) const
{
    Log::warn(QStringLiteral("Search index %1 is damaged: %2").arg(QDir::toNativeSeparators(shard.path), reason));
    shard.state = State::Damaged;
    shard.unpackers.clear();
    shard.texts.reset();
    shard.db.reset();
}

void SearchIndex::Private::load()
{
    shards.clear();
    identity = SearchStorage::identityOf(pstPath);
    location = SearchIndex::locationFor(pstPath);
    for (const QString& path : SearchStorage::shardPaths(location)) {
        Shard shard;
        shard.path = path;
        loadShard(shard);
        shards.push_back(std::move(shard));
    }
}

void SearchIndex::Private::loadShard(Shard& shard)
{
    shard.writerAlive = SearchStorage::hasLiveWriter(shard.path);
    if (QFileInfo(shard.path).size() == 0 && shard.writerAlive) {
        // Its writer has only just created it.
        shard.state = State::Building;
        return;
    }
    if (isTruncated(shard.path)) {
        markDamaged(shard, QStringLiteral("shorter than its header says"));
        return;
    }
    shard.db = std::make_unique<SqliteConnection>();
    if (!shard.db->open(shard.path, SqliteConnection::Mode::ReadOnly)) {
        markDamaged(shard, shard.db->errorMessage());
        return;
    }
    SqliteStatement meta(shard.db->handle(), QStringLiteral("SELECT key, value FROM meta"));
    QHash<QString, QVariant> values;
    while (meta.step())
        values.insert(meta.text(0), meta.isNull(1) ? QVariant() : QVariant(meta.text(1)));
    if (!meta.succeeded()) {
        if (shard.writerAlive) {
            shard.state = State::Building;
            shard.db.reset();
        } else if (hasHotJournal(shard.path)) {
            // Its writer died mid-transaction, and only a writer may roll
            // that back: it is no more to be trusted than a damaged shard,
            // but nothing is wrong with the disk or the file.
            Log::warn(QStringLiteral("Search index %1 was left unfinished by an interrupted build: %2")
                          .arg(QDir::toNativeSeparators(shard.path), shard.db->errorMessage()));
            shard.interrupted = true;
            shard.state = State::Damaged;
            shard.db.reset();
        } else {
            markDamaged(shard, shard.db->errorMessage());
        }
        return;
    }
    if (values.value(QStringLiteral("schema")).toInt() != SearchStorage::kSchemaVersion) {
        markDamaged(shard, QStringLiteral("schema %1").arg(values.value(QStringLiteral("schema")).toString()));
        return;
    }
    if (values.value(QStringLiteral("identity")).toString() != identity) {
        markDamaged(shard, QStringLiteral("made for another file"));
        return;
    }
    shard.number = values.value(QStringLiteral("shard")).toInt();
    shard.count = values.value(QStringLiteral("shards")).toInt();
    shard.totalItems = values.value(QStringLiteral("totalItems")).toInt();
    if (values.contains(QStringLiteral("complete"))) {
        shard.state = State::Complete;
        shard.items = values.value(QStringLiteral("complete")).toInt();
        // A complete shard is never written again: reading it mapped saves
        // copying every page a query touches.
        shard.db->exec(QStringLiteral("PRAGMA mmap_size=%1").arg(kMapBytes));
    } else {
        shard.state = State::Building;
        shard.items = int(shard.db->integer(QStringLiteral("SELECT count(*) FROM items"), 0));
    }
}

QString SearchIndex::locationFor(const QString& pstPath)
{
    QString identity = SearchStorage::identityOf(pstPath);
    if (identity.isEmpty())
        identity = QFileInfo(pstPath).absoluteFilePath();
    const QByteArray digest = QCryptographicHash::hash(identity.toUtf8(), QCryptographicHash::Sha256).toHex().left(40);
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return QDir(cache).filePath(QStringLiteral("search/") + QString::fromLatin1(digest));
}

SearchIndex::SearchIndex(const QString& pstPath) : d(std::make_unique<Private>())
{
    d->pstPath = pstPath;
    d->load();
}

SearchIndex::~SearchIndex() = default;

void SearchIndex::reload()
{
    d->load();
}

SearchIndex::State SearchIndex::state() const
{
    if (d->shards.empty())
        return State::Missing;
    bool complete = true;
    const int count = d->shards.front().count;
    QList<int> numbers;
    for (const Private::Shard& shard : d->shards) {
        if (shard.state == State::Damaged)
            return State::Damaged;
        complete = complete && shard.state == State::Complete && shard.count == count;
        numbers << shard.number;
    }
    for (int i = 0; complete && i < count; ++i)
        complete = numbers.contains(i);
    return complete ? State::Complete : State::Building;
}

bool SearchIndex::wasInterrupted() const
{
    const auto unusable = [](const Private::Shard& shard) { return shard.state == State::Damaged; };
    return std::any_of(d->shards.begin(), d->shards.end(), unusable)
        && std::all_of(d->shards.begin(), d->shards.end(),
                       [&](const Private::Shard& shard) { return !unusable(shard) || shard.interrupted; });
}

bool SearchIndex::hasLiveWriter() const
{
    return std::any_of(d->shards.begin(), d->shards.end(), [](const Private::Shard& shard) {
        return shard.state != State::Complete && shard.writerAlive;
    });
}

bool SearchIndex::verify()
{
    for (Private::Shard& shard : d->shards) {
        if (!shard.db || shard.state == State::Damaged)
            continue;
        const QString result = shard.db->text(QStringLiteral("PRAGMA quick_check"));
        if (result != QLatin1String("ok"))
            d->markDamaged(shard, result.isEmpty() ? shard.db->errorMessage() : result);
    }
    return state() != State::Damaged;
}

bool SearchIndex::remove(const QString& pstPath)
{
    const QString location = locationFor(pstPath);
    return !QFileInfo::exists(location) || QDir(location).removeRecursively();
}

int SearchIndex::indexedItems() const
{
    int items = 0;
    for (const Private::Shard& shard : d->shards)
        items += shard.state == State::Damaged ? 0 : shard.items;
    return items;
}

int SearchIndex::totalItems() const
{
    int total = 0;
    for (const Private::Shard& shard : d->shards)
        total = std::max(total, shard.totalItems);
    return total;
}

QList<SearchHit> SearchIndex::search(const SearchQuery& query, const Options& options, QString* error) const
{
    QString problem;
    QList<SearchHit> hits;
    const State current = state();
    if (!query.isValid()) {
        problem = query.errorMessage();
    } else if (current == State::Missing) {
        problem = QCoreApplication::translate("SearchIndex", "This file has no search index yet.");
    } else if (current == State::Damaged) {
        problem = QCoreApplication::translate("SearchIndex", "The search index of this file is damaged and must be built again.");
    } else {
        const SearchPlan plan(query, d->words());
        // One way for all shards, so their hits compare.
        const bool walkByDate = d->tooManyToRank(plan, options);
        if (plan.isEmpty()) {
            // Nothing to look for: no hits.
        } else if (options.order == Order::BestFirst && !walkByDate && !plan.hasChecks() && d->workerCount() > 1) {
            // Ranked hits set no bar for other shards: they are searched at
            // once (with checks to make, each shard's use all cores instead).
            d->searchShardsAtOnce(query, options, &hits, &problem);
        } else {
            for (const Private::Shard& shard : d->shards) {
                if (!shard.db)
                    continue;
                if (!d->searchShard(shard, plan, query, options, walkByDate,
                                    Private::dateBound(hits, options, walkByDate), &hits, &problem)) {
                    hits.clear();
                    break;
                }
            }
        }
    }
    if (error)
        *error = problem;
    if (!problem.isEmpty())
        return {};
    Private::sortHits(&hits, options.order);
    if (options.limit > 0 && hits.size() > options.limit)
        hits.resize(options.limit);
    const qsizetype snippets = options.snippets < 0 ? hits.size() : options.snippets;
    if (snippets > 0 && !hits.isEmpty())
        d->makeSnippets(SearchPlan(query, d->words()), &hits, 0, snippets);
    return hits;
}

void SearchIndex::addSnippets(const SearchQuery& query, QList<SearchHit>* hits, qsizetype from, qsizetype count) const
{
    if (query.isValid() && hits && from >= 0 && count > 0 && from < hits->size())
        d->makeSnippets(SearchPlan(query, d->words()), hits, from, count);
}

void SearchIndex::Private::makeSnippets(const SearchPlan& plan, QList<SearchHit>* hits, qsizetype from,
                                        qsizetype count) const
{
    // One statement and text reader per shard the hits come from.
    QHash<QString, std::shared_ptr<SqliteStatement>> reads;
    QHash<QString, const Shard*> shardOf;
    const qsizetype end = std::min(hits->size(), from + count);
    for (qsizetype i = from; i < end; ++i) {
        SearchHit& hit = (*hits)[i];
        if (hit.hasSnippet)
            continue;
        std::shared_ptr<SqliteStatement>& read = reads[hit.shardPath];
        if (!read) {
            const auto shard = std::find_if(shards.begin(), shards.end(), [&](const Shard& s) { return s.path == hit.shardPath; });
            if (shard == shards.end() || !shard->db)
                continue;
            read = std::make_shared<SqliteStatement>(
                shard->db->handle(), QStringLiteral("SELECT node, subject, sender, block, part FROM items WHERE id = ?"));
            shardOf.insert(hit.shardPath, &*shard);
        }
        read->reset();
        read->bind(1, hit.row);
        // The row must still be this hit's item.
        if (!read->step() || quint64(read->integer(0)) != hit.nodeId)
            continue;
        SearchPlan::Texts texts;
        texts.subject = read->blob(1);
        texts.sender = read->blob(2);
        shardOf.value(hit.shardPath)->textReader().read(read->integer(3), read->integer(4), &texts);
        hit.snippet = plan.snippet(texts);
        hit.hasSnippet = true;
    }
}

int SearchIndex::Private::workerCount() const
{
    const auto open = std::count_if(shards.begin(), shards.end(), [](const Shard& shard) { return bool(shard.db); });
    return int(std::min<qint64>(open, std::max(1, QThread::idealThreadCount())));
}

void SearchIndex::Private::searchShardsAtOnce(const SearchQuery& query, const Options& options, QList<SearchHit>* hits,
                                              QString* error) const
{
    struct Outcome
    {
        QList<SearchHit> hits;
        QString error;
        bool ok = true;
    };
    std::vector<Outcome> outcomes(shards.size());
    const int workers = workerCount();
    // Made here: the threads must not grow the list they read.
    for (int worker = 0; worker < workers; ++worker)
        wordsOfWorker(worker);
    std::atomic<size_t> next{0};
    runOnCores(workers, [&](int worker) {
        const SearchPlan plan(query, wordsOfWorker(worker));
        for (size_t i = next++; i < shards.size(); i = next++) {
            if (shards[i].db)
                outcomes[i].ok = searchShard(shards[i], plan, query, options, false, std::nullopt, &outcomes[i].hits,
                                             &outcomes[i].error);
        }
    });
    for (Outcome& outcome : outcomes) {
        if (!outcome.ok) {
            hits->clear();
            *error = outcome.error;
            return;
        }
        hits->append(outcome.hits);
    }
}

std::optional<qint64> SearchIndex::Private::dateBound(const QList<SearchHit>& hits, const Options& options,
                                                     bool walkByDate)
{
    if (options.limit <= 0 || hits.size() < options.limit || (options.order == Order::BestFirst && !walkByDate))
        return std::nullopt;
    // The page as it stands: its last hit sets the bar for the next shards.
    QList<SearchHit> page = hits;
    sortHits(&page, options.order == Order::OldestFirst ? Order::OldestFirst : Order::NewestFirst);
    const SearchHit& last = page.at(options.limit - 1);
    // An undated hit on the page: any dated one would come before it.
    if (!last.date.isValid())
        return std::nullopt;
    return last.date.toMSecsSinceEpoch();
}

void SearchIndex::Private::sortHits(QList<SearchHit>* hits, Order order)
{
    const auto newer = [](const SearchHit& a, const SearchHit& b) {
        if (a.date.isValid() != b.date.isValid())
            return a.date.isValid();
        return a.date > b.date;
    };
    switch (order) {
    case Order::BestFirst:
        std::stable_sort(hits->begin(), hits->end(), [&](const SearchHit& a, const SearchHit& b) {
            return a.rank != b.rank ? a.rank < b.rank : newer(a, b);
        });
        break;
    case Order::NewestFirst:
        std::stable_sort(hits->begin(), hits->end(), newer);
        break;
    case Order::OldestFirst:
        std::stable_sort(hits->begin(), hits->end(), [](const SearchHit& a, const SearchHit& b) {
            if (a.date.isValid() != b.date.isValid())
                return a.date.isValid();
            return a.date < b.date;
        });
        break;
    }
}

bool SearchIndex::Private::tooManyToRank(const SearchPlan& plan, const Options& options) const
{
    const bool byWords = !plan.wordsMatch().isEmpty();
    const QString match = byWords ? plan.wordsMatch() : plan.gramsMatch();
    if (plan.isEmpty() || match.isEmpty())
        return false;
    const int cap = rankingCap(options);
    for (const Shard& shard : shards) {
        if (shard.db && matchCount(shard, byWords ? QStringLiteral("words") : QStringLiteral("grams"), match, cap) >= cap)
            return true;
    }
    return false;
}

int SearchIndex::Private::rankingCap(const Options& options) const
{
    // Ranking costs a little per matching item; walking the items newest
    // first, looking each up among the matches, costs more per item but
    // stops once the page is full. Past about sqrt(5 * limit * items)
    // matches the walk is cheaper, and ranking that many equally good hits
    // means little.
    qint64 items = 0;
    for (const Shard& shard : shards)
        items = std::max<qint64>(items, shard.items);
    const int limit = options.limit > 0 ? options.limit : 100000;
    return int(std::clamp<double>(std::sqrt(5.0 * limit * double(items)), 1000.0, 50000.0));
}

int SearchIndex::Private::matchCount(const Shard& shard, const QString& table, const QString& match, int cap) const
{
    SqliteStatement count(shard.db->handle(),
                          QStringLiteral("SELECT count(*) FROM (SELECT rowid FROM %1 WHERE %1 MATCH ? LIMIT %2)")
                              .arg(table)
                              .arg(cap));
    count.bind(1, match);
    return count.step() ? int(count.integer(0)) : 0;
}

bool SearchIndex::Private::searchShard(const Shard& shard, const SearchPlan& plan, const SearchQuery& query,
                                       const Options& options, bool walkByDate, const std::optional<qint64>& dateBound,
                                       QList<SearchHit>* hits, QString* error) const
{
    QStringList conditions;
    QVariantList values;
    // The table whose MATCH finds the candidates, unless the items are walked by date.
    QString driver;
    QString driverMatch;
    if (!plan.wordsMatch().isEmpty()) {
        driver = QStringLiteral("words");
        driverMatch = plan.wordsMatch();
    } else if (!plan.gramsMatch().isEmpty()) {
        driver = QStringLiteral("grams");
        driverMatch = plan.gramsMatch();
    }
    QString from = QStringLiteral("items i");
    QString rank = QStringLiteral("0.0");
    if (!driver.isEmpty() && !walkByDate) {
        from = QStringLiteral("%1 JOIN items i ON i.id = %1.rowid").arg(driver);
        rank = driver + QStringLiteral(".rank");
        conditions << driver + QStringLiteral(" MATCH ?");
        values << driverMatch;
    } else if (!driver.isEmpty()) {
        from = QStringLiteral("items i INDEXED BY items_date");
        // The matches are listed once (cheap: no ranking), the date index
        // walked until the page is full.
        conditions << QStringLiteral("i.id IN (SELECT rowid FROM %1 WHERE %1 MATCH ?)").arg(driver);
        values << driverMatch;
    }
    if (driver == QLatin1String("words") && !plan.gramsMatch().isEmpty()) {
        conditions << QStringLiteral("i.id IN (SELECT rowid FROM grams WHERE grams MATCH ?)");
        values << plan.gramsMatch();
    }
    if (!plan.excludedWordsMatch().isEmpty()) {
        conditions << QStringLiteral("i.id NOT IN (SELECT rowid FROM words WHERE words MATCH ?)");
        values << plan.excludedWordsMatch();
    }
    if (plan.needsCjkItems())
        conditions << QStringLiteral("i.cjk = 1");
    if (query.itemType()) {
        conditions << QStringLiteral("i.type = ?");
        values << qint64(*query.itemType());
    }
    if (query.after()) {
        conditions << QStringLiteral("i.date >= ?");
        values << query.after()->startOfDay().toMSecsSinceEpoch();
    }
    if (query.before()) {
        conditions << QStringLiteral("i.date < ?");
        values << query.before()->startOfDay().toMSecsSinceEpoch();
    }
    if (dateBound) {
        // Hits past the bar would not make the page: they are not confirmed.
        conditions << (options.order == Order::OldestFirst ? QStringLiteral("i.date <= ?") : QStringLiteral("i.date >= ?"));
        values << *dateBound;
    }
    if (query.requiresAttachment())
        conditions << QStringLiteral("i.attach = 1");
    if (options.restrictToFolder) {
        conditions << QStringLiteral("i.folder = ?");
        values << options.folderPath;
    }
    if (!query.folder().isEmpty()) {
        QStringList marks;
        SqliteStatement folders(shard.db->handle(), QStringLiteral("SELECT DISTINCT folder FROM items"));
        while (folders.step()) {
            const QString folder = folders.text(0);
            if (folder.contains(query.folder(), Qt::CaseInsensitive)) {
                marks << QStringLiteral("?");
                values << folder;
            }
        }
        if (marks.isEmpty())
            return true;
        conditions << QStringLiteral("i.folder IN (%1)").arg(marks.join(QLatin1Char(',')));
    }
    // Items without a date come last in either order: a second pass.
    QStringList passes;
    if (rank != QLatin1String("0.0") && options.order == Order::BestFirst)
        passes << QStringLiteral("ORDER BY 11, i.date DESC");
    else if (rank != QLatin1String("0.0"))
        passes << (options.order == Order::OldestFirst ? QStringLiteral("ORDER BY i.date IS NULL, i.date")
                                                        : QStringLiteral("ORDER BY i.date DESC"));
    else
        passes << (options.order == Order::OldestFirst ? QStringLiteral("AND i.date IS NOT NULL ORDER BY i.date")
                                                        : QStringLiteral("AND i.date IS NOT NULL ORDER BY i.date DESC"))
               << QStringLiteral("AND i.date IS NULL");
    int found = 0;
    for (const QString& pass : passes) {
        // The texts are read (and unpacked) only for the checks; snippets
        // come afterwards, for the hits that get one.
        QString sql = QStringLiteral("SELECT i.node, i.folder, i.type, i.date, i.size, i.attach, i.subject, i.sender,"
                                     " i.block, i.id, %1, i.part FROM %2 WHERE 1")
                          .arg(rank, from);
        for (const QString& condition : conditions)
            sql += QStringLiteral(" AND ") + condition;
        sql += QLatin1Char(' ') + pass;
        if (!plan.hasChecks() && options.limit > 0)
            sql += QStringLiteral(" LIMIT %1").arg(options.limit - found);
        if (!readHits(shard, sql, values, plan, query, options, &found, hits, error))
            return false;
        if (options.limit > 0 && found >= options.limit)
            break;
    }
    return true;
}

// A row the SQL found, waiting for its texts to be checked.
struct SearchIndex::Private::Candidate
{
    SearchHit hit;
    SearchPlan::Texts texts;  // subject and sender; the rest is read
    qint64 block = 0;
    qint64 part = 0;
    bool accepted = false;
};

namespace {

// Candidates checked together: their blocks are read first, then unpacked
// and checked on all cores. Each batch is as large as the hits still
// wanted call for, at the share of candidates found right so far: few
// batches (the threads wait for each other at the end of each), and few
// candidates checked past the page's end.
constexpr qint64 kFirstBatch = 64;
constexpr qint64 kLargestBatch = 2048;

size_t nextBatch(qint64 checked, qint64 accepted, qint64 wanted)
{
    const qint64 needed = wanted <= 0 ? 2 * checked : accepted == 0 ? 4 * checked : wanted * checked / accepted;
    return size_t(std::clamp(needed, kFirstBatch, kLargestBatch));
}

SearchHit hitOf(const SqliteStatement& statement, const QString& shardPath)
{
    SearchHit hit;
    hit.nodeId = quint64(statement.integer(0));
    hit.folderPath = statement.text(1);
    hit.itemType = int(statement.integer(2));
    if (!statement.isNull(3))
        hit.date = QDateTime::fromMSecsSinceEpoch(statement.integer(3), Qt::UTC);
    hit.size = statement.integer(4);
    hit.hasAttachment = statement.integer(5) != 0;
    hit.subject = statement.text(6);
    hit.sender = statement.text(7);
    hit.shardPath = shardPath;
    hit.row = statement.integer(9);
    hit.rank = statement.real(10);
    return hit;
}

} // namespace

void SearchIndex::Private::confirm(const Shard& shard, const SearchPlan& plan, const SearchQuery& query,
                                   std::vector<Candidate>* candidates) const
{
    if (candidates->empty())
        return;
    // The connection is this thread's: the blocks are read here, each once.
    QList<qint64> blocks;
    QList<QByteArray> packed;
    QSet<qint64> seen;
    for (const Candidate& candidate : *candidates) {
        if (!seen.contains(candidate.block)) {
            seen.insert(candidate.block);
            blocks << candidate.block;
            packed << shard.textReader().packedBlock(candidate.block);
        }
    }
    const int workers = int(std::min<qsizetype>(std::max(1, QThread::idealThreadCount()), blocks.size()));
    for (int worker = 0; worker < workers; ++worker)
        wordsOfWorker(worker);
    while (int(shard.unpackers.size()) < workers)
        shard.unpackers.push_back(std::make_unique<ShardTextReader::Unpacker>(shard.textReader().dictionary()));
    // Each worker unpacks the next block no one has taken and checks its candidates.
    std::atomic<qsizetype> next{0};
    runOnCores(workers, [&](int worker) {
        const SearchPlan ownPlan(query, wordsOfWorker(worker));
        const SearchPlan& checks = worker == 0 ? plan : ownPlan;
        ShardTextReader::Unpacker& unpacker = *shard.unpackers.at(size_t(worker));
        for (qsizetype b = next++; b < blocks.size(); b = next++) {
            unpacker.unpack(packed.at(b));
            for (Candidate& candidate : *candidates) {
                if (candidate.block != blocks.at(b))
                    continue;
                unpacker.texts(candidate.part, &candidate.texts);
                candidate.accepted = checks.accepts(candidate.texts);
                // They point into the unpacker, which moves on.
                candidate.texts = {};
            }
        }
    });
}

bool SearchIndex::Private::readHits(const Shard& shard, const QString& sql, const QVariantList& values,
                                    const SearchPlan& plan, const SearchQuery& query, const Options& options,
                                    int* found, QList<SearchHit>* hits, QString* error) const
{
    SqliteStatement statement(shard.db->handle(), sql);
    for (int i = 0; i < values.size(); ++i) {
        if (values.at(i).typeId() == QMetaType::QString)
            statement.bind(i + 1, values.at(i).toString());
        else
            statement.bind(i + 1, values.at(i).toLongLong());
    }
    const auto full = [&] { return options.limit > 0 && *found >= options.limit; };
    if (!plan.hasChecks()) {
        while (!full() && statement.step()) {
            hits->append(hitOf(statement, shard.path));
            ++*found;
        }
    }
    std::vector<Candidate> candidates;
    bool more = plan.hasChecks();
    qint64 checked = 0;
    qint64 accepted = 0;
    size_t batch = size_t(kFirstBatch);
    while (more && !full()) {
        candidates.clear();
        while (candidates.size() < batch && (more = statement.step())) {
            Candidate candidate;
            candidate.hit = hitOf(statement, shard.path);
            candidate.texts.subject = statement.blob(6);
            candidate.texts.sender = statement.blob(7);
            candidate.block = statement.integer(8);
            candidate.part = statement.integer(11);
            candidates.push_back(std::move(candidate));
        }
        confirm(shard, plan, query, &candidates);
        // In the order the SQL gave them, up to the page's end.
        for (const Candidate& candidate : candidates) {
            if (full())
                break;
            if (candidate.accepted) {
                hits->append(candidate.hit);
                ++*found;
            }
        }
        checked += qint64(candidates.size());
        accepted += std::count_if(candidates.begin(), candidates.end(), [](const Candidate& c) { return c.accepted; });
        batch = nextBatch(checked, accepted, options.limit > 0 ? options.limit - *found : 0);
    }
    if (statement.succeeded())
        return true;
    const int code = statement.isValid() ? statement.result() : shard.db->errorCode();
    const QString reason = shard.db->errorMessage();
    if (isDamageCode(code)) {
        Log::warn(QStringLiteral("Search index %1 is damaged: %2").arg(QDir::toNativeSeparators(shard.path), reason));
        *error = QCoreApplication::translate("SearchIndex", "The search index of this file is damaged and must be built again.");
    } else {
        Log::warn(QStringLiteral("Search in %1 failed: %2 (%3)").arg(QDir::toNativeSeparators(shard.path), reason, sql));
        *error = QCoreApplication::translate("SearchIndex", "The search failed: %1").arg(reason);
    }
    return false;
}
