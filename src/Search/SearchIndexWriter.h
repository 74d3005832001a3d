// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "IndexedItem.h"

#include <QString>

#include <memory>

// Writes one shard of a file's search index (see SearchStorage): the index
// builder runs one writer per worker process, each on its own shard number,
// all at once. A shard counts as complete only after finish(); until then
// readers see it as being built, and once its writer's process is gone, as
// left half-built. Failures (disk full, cache folder not writable) return
// false, are logged with Log::warn and described by errorMessage().
class SearchIndexWriter
{
public:
    explicit SearchIndexWriter(const QString& pstPath);
    ~SearchIndexWriter();

    // Creates shard `shard` of `shardCount` afresh in SearchIndex::locationFor
    // (replacing what was there) and takes its writer's lock. False when
    // another live writer holds that shard, or the shard cannot be created.
    bool open(int shard, int shardCount);
    // Records the items of the whole file, for "41,000 of 100,000".
    bool setTotalItems(int totalItems);
    // Adds one item; commits in large transactions.
    bool add(const IndexedItem& item);
    // Makes what was added so far visible to readers.
    bool commit();
    // Commits, compacts the index and writes the completion marker in one
    // transaction; `totalItems` as in setTotalItems.
    bool finish(int totalItems);
    // Closes the shard and releases its lock, complete or not.
    void close();

    int addedItems() const;
    QString shardPath() const;
    QString errorMessage() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
