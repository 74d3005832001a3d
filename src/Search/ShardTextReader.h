// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "SearchPlan.h"

#include <QByteArray>
#include <QtGlobal>

#include <memory>

struct sqlite3;

// Reads the long texts (recipients, body, attachment names) of a shard's
// items for the phrase checks and snippets of its queries, as they are
// stored. It lives as long as the shard's connection and keeps its
// decompression state between queries; a block's row is let go as soon as
// it is read, so no read of the shard stays open between calls. Used by
// one thread at a time, as the connection is.
class ShardTextReader
{
public:
    // Unpacks blocks read by a ShardTextReader and hands out their items'
    // texts, on any thread: one unpacker per thread.
    class Unpacker
    {
    public:
        explicit Unpacker(const QByteArray& dictionary);
        ~Unpacker();
        Unpacker(const Unpacker&) = delete;
        Unpacker& operator=(const Unpacker&) = delete;

        // Unpacks `packed` (a damaged or empty block holds no items).
        void unpack(const QByteArray& packed);
        // Sets the recipients, body and attachment names of `texts` to those
        // of the item at `part` of the last block unpacked, valid until the
        // next unpack(); empty ones for a missing or damaged item.
        void texts(qint64 part, SearchPlan::Texts* texts) const;

    private:
        struct Private;
        std::unique_ptr<Private> d;
    };

    explicit ShardTextReader(sqlite3* db);
    ~ShardTextReader();
    ShardTextReader(const ShardTextReader&) = delete;
    ShardTextReader& operator=(const ShardTextReader&) = delete;

    // The shard's dictionary, for the unpackers of other threads.
    const QByteArray& dictionary() const { return m_dictionary; }
    // The packed block as stored; empty when it is missing.
    QByteArray packedBlock(qint64 block);
    // Reads and unpacks `block` (unless it was the last one read here) and
    // sets `texts` as Unpacker::texts() does.
    void read(qint64 block, qint64 part, SearchPlan::Texts* texts);

private:
    struct Statement;
    std::unique_ptr<Statement> m_read;
    QByteArray m_dictionary;
    std::unique_ptr<Unpacker> m_unpacker;
    qint64 m_block = -1;
};
