// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>

#include <functional>
#include <optional>

#include <libpst/libpst.h>

// Reads the raw data of a node of a PST file: the blocks of its data tree and
// the entries of its subnode tree. Every block is untrusted: a damaged tree
// gives an empty result, never a read outside a block.
// Not thread-safe with other users of the same pst_file (libpst's file is not).
class NodeDataReader
{
public:
    // Gives the decoded payload of one block (no trailer), empty when the
    // block does not exist or cannot be read.
    using BlockSource = std::function<QByteArray(quint64 blockId)>;

    // One entry of a node's subnode tree.
    struct Subnode
    {
        quint64 dataBlockId = 0;
        quint64 subnodeBlockId = 0;
    };

    // Reads through libpst's block access; the file must stay open while the
    // reader is used. Chooses 32- or 64-bit block ids from the file's format.
    explicit NodeDataReader(pst_file* file);
    // Reads through the given source; wideIds is true for Unicode (64-bit)
    // files, false for ANSI (32-bit) ones.
    NodeDataReader(BlockSource source, bool wideIds);

    // The data blocks of a node in order, data trees followed. Empty when the
    // id is 0 or any block of the tree is missing or damaged.
    QList<QByteArray> dataBlocks(quint64 blockId) const;
    // The node's data as one buffer (the blocks joined); empty on any fault.
    QByteArray data(quint64 blockId) const;
    // Blocks read for one value as one buffer; nothing when there are none,
    // which is how a value that cannot be read comes back.
    static std::optional<QByteArray> joined(const QList<QByteArray>& blocks);
    // The subnode tree rooted at blockId, keyed by subnode id. Empty when the
    // id is 0 or the tree is damaged.
    QHash<quint32, Subnode> subnodes(quint64 blockId) const;
    // The same, telling a damaged tree (false) from an empty one.
    bool readSubnodes(quint64 blockId, QHash<quint32, Subnode>& out) const;

    // Whether the file has 4 KB pages (Outlook 2013 and later), whose heaps
    // number their blocks differently (see PropertyContext::HeapIds).
    bool hasFourKPages() const { return m_fourKPages; }

    // Upper bound of a node's data this reader assembles, in bytes.
    static constexpr qsizetype kMaxNodeDataBytes = 64 * 1024 * 1024;

private:
    bool appendTreeBlocks(quint64 blockId, int level, QList<QByteArray>& blocks, qsizetype& total) const;
    bool collectSubnodes(quint64 blockId, int depth, QHash<quint32, Subnode>& out) const;
    QByteArray block(quint64 blockId) const;

    BlockSource m_source;
    bool m_wideIds = true;
    bool m_fourKPages = false;
};
