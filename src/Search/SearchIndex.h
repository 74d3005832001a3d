// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "IndexedItem.h"
#include "SearchHit.h"
#include "SearchQuery.h"

#include <QList>
#include <QString>

#include <memory>

// The full-text index of one PST file, kept in the user's cache folder
// (SQLite FTS5). Reading and writing each use their own connection; an
// instance is used by one thread at a time.
class SearchIndex
{
public:
    enum class State { Missing, Building, Complete, Damaged };
    enum class Order { BestFirst, NewestFirst, OldestFirst };
    struct Options
    {
        int limit = 500;
        Order order = Order::BestFirst;
        // Only items of this folder path (and not its sub-folders), when set.
        QString folderPath;
        bool restrictToFolder = false;
        // Snippets for the first this many hits (in the order returned),
        // for every hit when negative: each reads and unpacks the item's
        // texts, the costliest part of a query. The others are left
        // without one for addSnippets().
        int snippets = -1;
    };
    // The hits a window shows before it is scrolled, with room to spare.
    static constexpr int kScreenSnippets = 40;

    // Where the index of `pstPath` lives: named from the file's path, size
    // and modification time, so a changed file gets a new index.
    static QString locationFor(const QString& pstPath);

    explicit SearchIndex(const QString& pstPath);
    ~SearchIndex();

    // Missing, still being built (or left half-built), complete, or unusable.
    // Reflects the shards as they were at construction or the last reload();
    // cheap checks only (readable, right schema and file, not cut short).
    State state() const;
    // Looks at the shards on disk again (a build going on adds to them).
    void reload();
    // Whether the index is Damaged only because a build was interrupted
    // (killed mid-write): rebuilt the same way, but nothing the user must
    // worry about.
    bool wasInterrupted() const;
    // Whether a writer process still works on an incomplete shard; a
    // Building index without one was left half-built and must be rebuilt.
    bool hasLiveWriter() const;
    // Reads every shard through (SQLite's quick_check, slow on a large
    // index); a shard that fails makes the index Damaged. False then.
    bool verify();
    // Deletes the index of `pstPath`; true when none is left.
    static bool remove(const QString& pstPath);
    int indexedItems() const;
    // Items the file holds, once known (0 before).
    int totalItems() const;

    // Hits of `query`; an invalid query or an unreadable index gives none
    // and sets `error`. Words match whole words, ignoring case and
    // diacritics ("koln" finds "Köln"). Chinese, Japanese and Korean text
    // matches as a substring: three or more characters through the trigram
    // index, one or two by reading the texts of the items that hold such
    // text (slower on a mailbox full of it, but never missed). BestFirst
    // ranks by bm25 (subject above sender above recipients and attachment
    // names above body); when a query matches more items than ranking is
    // worth (about sqrt(5 * limit * items)), they come newest first.
    QList<SearchHit> search(const SearchQuery& query, const Options& options, QString* error = nullptr) const;
    // Makes the snippets of `count` hits from `from` on that have none, as
    // `query` found them in this index; a hit whose row is no longer there
    // (the index was built again) keeps none.
    void addSnippets(const SearchQuery& query, QList<SearchHit>* hits, qsizetype from, qsizetype count) const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
