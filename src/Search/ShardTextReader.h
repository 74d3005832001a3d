// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "SearchPlan.h"

#include <QtGlobal>

#include <memory>

struct sqlite3;

// Reads the long texts (recipients, body, attachment names) of a shard's
// items for the phrase checks and snippets of its queries, as they are
// stored: the texts point into the block it unpacked last, which it keeps,
// with its decompression state, for as long as it lives (one shard's
// queries, one thread at a time). A block is read and unpacked in one go
// and its row let go at once, so no read of the shard stays open between
// calls.
class ShardTextReader
{
public:
    explicit ShardTextReader(sqlite3* db);
    ~ShardTextReader();
    ShardTextReader(const ShardTextReader&) = delete;
    ShardTextReader& operator=(const ShardTextReader&) = delete;

    // Sets the recipients, body and attachment names of `texts` to those of
    // the item at `part` of `block`, valid until the next call; empty ones
    // for a missing or damaged block or item.
    void read(qint64 block, qint64 part, SearchPlan::Texts* texts);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
