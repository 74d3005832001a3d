// SPDX-License-Identifier: GPL-2.0-or-later
#include "NodeDataReader.h"

#include "PinnedFile.h"

#include <QtEndian>

#include <cstdio>
#include <cstdlib>

#include <unistd.h>
#include <zlib.h>

namespace {

// Block ids whose second-lowest bit is set name internal blocks (data-tree
// and subnode-tree pages); the others hold a node's data itself.
constexpr quint64 kInternalBlockBit = 0x2;

constexpr quint8 kDataTreeBlockType = 0x01;
constexpr quint8 kSubnodeTreeBlockType = 0x02;
constexpr qsizetype kDataTreeHeaderSize = 8;
constexpr qsizetype kMaxSubnodes = 1000000;

bool isInternal(quint64 blockId)
{
    return (blockId & kInternalBlockBit) != 0;
}

// Reads an unsigned little-endian number of `size` bytes (2, 4 or 8) at
// `offset`; false when it would reach past the buffer.
bool readNumber(const QByteArray& buffer, qsizetype offset, int size, quint64& value)
{
    if (offset < 0 || size <= 0 || offset > buffer.size() - size)
        return false;
    const auto* bytes = reinterpret_cast<const uchar*>(buffer.constData()) + offset;
    switch (size) {
    case 2: value = qFromLittleEndian<quint16>(bytes); return true;
    case 4: value = qFromLittleEndian<quint32>(bytes); return true;
    case 8: value = qFromLittleEndian<quint64>(bytes); return true;
    default: return false;
    }
}

// Files with 4 KB pages may store a block compressed: the index gives its
// stored and its inflated size. libpst inflates it, and when the bytes do
// not inflate to exactly that size it hands back (size_t)-1 as the block's
// length, which it and its callers then copy or decrypt as that many bytes.
// So a compressed block is first inflated here; one that fails is unreadable.
bool inflatesWhole(pst_file* file, const pst_index_ll& entry)
{
    if (entry.inflated_size <= entry.size)
        return true;
    if (!file->fp || entry.size == 0 || entry.inflated_size > quint64(NodeDataReader::kMaxNodeDataBytes))
        return false;
    QByteArray stored(qsizetype(entry.size), Qt::Uninitialized);
    if (!PinnedFile::read(file, entry.offset, stored.data(), size_t(entry.size)))
        return false;
    QByteArray inflated(qsizetype(entry.inflated_size), Qt::Uninitialized);
    uLongf inflatedSize = uLongf(entry.inflated_size);
    return ::uncompress(reinterpret_cast<Bytef*>(inflated.data()), &inflatedSize,
                        reinterpret_cast<const Bytef*>(stored.constData()), uLong(entry.size)) == Z_OK
        && inflatedSize == entry.inflated_size;
}

QByteArray readLibpstBlock(pst_file* file, quint64 blockId)
{
    // libpst must read the very bytes found to inflate whole, even when no
    // caller pins the item being read.
    const PinnedFile::Pin pin(file);
    const pst_index_ll* entry = file && blockId != 0 ? pst_getID(file, blockId) : nullptr;
    if (!entry || !inflatesWhole(file, *entry))
        return {};
    char* raw = nullptr;
    const size_t size = pst_ff_getIDblock_dec(file, blockId, &raw);
    QByteArray payload;
    if (raw && size > 0 && size <= size_t(NodeDataReader::kMaxNodeDataBytes))
        payload = QByteArray(raw, qsizetype(size));
    std::free(raw);
    return payload;
}

} // namespace

NodeDataReader::NodeDataReader(pst_file* file)
    : m_source([file](quint64 blockId) { return readLibpstBlock(file, blockId); }),
      m_wideIds(file && file->do_read64 != 0),
      m_fourKPages(file && file->do_read64 == 2)
{
}

NodeDataReader::NodeDataReader(BlockSource source, bool wideIds)
    : m_source(std::move(source)), m_wideIds(wideIds)
{
}

QByteArray NodeDataReader::block(quint64 blockId) const
{
    return m_source ? m_source(blockId) : QByteArray();
}

QList<QByteArray> NodeDataReader::dataBlocks(quint64 blockId) const
{
    QList<QByteArray> blocks;
    qsizetype total = 0;
    if (blockId == 0 || !appendTreeBlocks(blockId, 0, blocks, total))
        return {};
    return blocks;
}

QByteArray NodeDataReader::data(quint64 blockId) const
{
    return joined(dataBlocks(blockId)).value_or(QByteArray());
}

std::optional<QByteArray> NodeDataReader::joined(const QList<QByteArray>& blocks)
{
    if (blocks.isEmpty())
        return std::nullopt;
    QByteArray whole;
    for (const QByteArray& block : blocks)
        whole += block;
    return whole;
}

// level counts the data-tree pages above blockId: a node's tree has at most
// two (XXBLOCK over XBLOCK), so deeper nesting is damage, not data.
bool NodeDataReader::appendTreeBlocks(quint64 blockId, int level, QList<QByteArray>& blocks,
                                      qsizetype& total) const
{
    const QByteArray payload = block(blockId);
    if (payload.isEmpty())
        return false;
    if (!isInternal(blockId)) {
        if (payload.size() > kMaxNodeDataBytes - total)
            return false;
        total += payload.size();
        blocks.append(payload);
        return true;
    }
    if (level >= 2 || payload.size() < kDataTreeHeaderSize
        || quint8(payload.at(0)) != kDataTreeBlockType)
        return false;
    const int treeLevel = quint8(payload.at(1));
    // The root may be an XXBLOCK (2) or XBLOCK (1); below an XXBLOCK only XBLOCKs.
    if (treeLevel < 1 || treeLevel > 2 || (level == 1 && treeLevel != 1))
        return false;
    quint64 count = 0;
    readNumber(payload, 2, 2, count);
    const int idSize = m_wideIds ? 8 : 4;
    if (kDataTreeHeaderSize + qsizetype(count) * idSize > payload.size())
        return false;
    for (quint64 i = 0; i < count; ++i) {
        quint64 childId = 0;
        readNumber(payload, kDataTreeHeaderSize + qsizetype(i) * idSize, idSize, childId);
        const bool childIsPage = isInternal(childId);
        if (childIsPage != (treeLevel == 2))
            return false;
        if (!appendTreeBlocks(childId, level + 1, blocks, total))
            return false;
    }
    return true;
}

QHash<quint32, NodeDataReader::Subnode> NodeDataReader::subnodes(quint64 blockId) const
{
    QHash<quint32, Subnode> result;
    if (!readSubnodes(blockId, result))
        return {};
    return result;
}

bool NodeDataReader::readSubnodes(quint64 blockId, QHash<quint32, Subnode>& out) const
{
    out.clear();
    if (blockId == 0)
        return false;
    if (collectSubnodes(blockId, 0, out))
        return true;
    out.clear();
    return false;
}

// A subnode tree is one SLBLOCK (leaf entries) or one SIBLOCK over SLBLOCKs.
bool NodeDataReader::collectSubnodes(quint64 blockId, int depth, QHash<quint32, Subnode>& out) const
{
    if (!isInternal(blockId))
        return false;
    const QByteArray payload = block(blockId);
    const qsizetype headerSize = m_wideIds ? 8 : 4;
    const int idSize = m_wideIds ? 8 : 4;
    if (payload.size() < headerSize || quint8(payload.at(0)) != kSubnodeTreeBlockType)
        return false;
    const int treeLevel = quint8(payload.at(1));
    if (treeLevel > 1 || (depth == 1 && treeLevel != 0))
        return false;
    quint64 count = 0;
    readNumber(payload, 2, 2, count);
    const int entrySize = idSize * (treeLevel == 0 ? 3 : 2);
    if (headerSize + qsizetype(count) * entrySize > payload.size())
        return false;
    for (quint64 i = 0; i < count; ++i) {
        const qsizetype entry = headerSize + qsizetype(i) * entrySize;
        quint64 nodeId = 0, firstId = 0, secondId = 0;
        readNumber(payload, entry, idSize, nodeId);
        readNumber(payload, entry + idSize, idSize, firstId);
        if (treeLevel == 1) {
            if (!collectSubnodes(firstId, depth + 1, out))
                return false;
            continue;
        }
        readNumber(payload, entry + 2 * idSize, idSize, secondId);
        if (out.size() >= kMaxSubnodes)
            return false;
        // Node ids are 32 bits wide; Unicode files pad them to 64.
        out.insert(quint32(nodeId), Subnode{firstId, secondId});
    }
    return true;
}
