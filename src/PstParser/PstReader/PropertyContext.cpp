// SPDX-License-Identifier: GPL-2.0-or-later
#include "PropertyContext.h"

#include "ByteFields.h"

namespace {

constexpr quint8 kHeapSignature = 0xEC;
constexpr quint8 kPropertyContextSignature = 0xBC;
constexpr quint8 kBTreeSignature = 0xB5;
constexpr qsizetype kHeapHeaderSize = 12;
constexpr qsizetype kBTreeHeaderSize = 8;
constexpr int kPropertyKeySize = 2;
constexpr int kPropertyRecordDataSize = 6;
// Real trees have one or two index levels; the bounds keep a damaged tree
// from making the walk explode.
constexpr int kMaxIndexLevels = 4;
constexpr qsizetype kMaxRecords = 65536;

using ByteFields::u16At;
using ByteFields::u32At;

// Types whose values are stored in the record itself (at most 32 bits).
bool isStoredInRecord(quint16 type)
{
    switch (type) {
    case 0x0002: // 16-bit integer
    case 0x0003: // 32-bit integer
    case 0x0004: // 32-bit float
    case 0x000A: // error code
    case 0x000B: // boolean
        return true;
    default:
        return false;
    }
}

// The allocations of a heap-on-node spread over the node's data blocks.
class Heap
{
public:
    Heap(const QList<QByteArray>& blocks, PropertyContext::HeapIds ids)
        : m_blocks(blocks), m_blockShift(ids == PropertyContext::HeapIds::FourKPages ? 19 : 16)
    {
    }

    bool hasSignature(quint8 clientSignature) const
    {
        if (m_blocks.isEmpty() || m_blocks.first().size() < kHeapHeaderSize)
            return false;
        const QByteArray& first = m_blocks.first();
        return quint8(first.at(2)) == kHeapSignature && quint8(first.at(3)) == clientSignature;
    }

    quint32 userRoot() const { return u32At(m_blocks.first(), 4); }

    // The bytes of one allocation; nothing when the id names none.
    std::optional<QByteArray> allocation(quint32 heapId) const
    {
        // The low five bits are zero in heap ids; otherwise it names a node.
        if (heapId == 0 || !PropertyContext::isHeapId(heapId))
            return std::nullopt;
        const int index = int((heapId >> 5) & 0x7FF);
        const int blockIndex = int(heapId >> m_blockShift);
        if (index == 0 || blockIndex >= m_blocks.size())
            return std::nullopt;
        const QByteArray& block = m_blocks.at(blockIndex);
        // Every block of the heap starts with the offset of its page map.
        if (block.size() < 2)
            return std::nullopt;
        const qsizetype pageMap = u16At(block, 0);
        if (pageMap > block.size() - 4)
            return std::nullopt;
        const int allocationCount = u16At(block, pageMap);
        const qsizetype endEntry = pageMap + 4 + qsizetype(index) * 2;
        if (index > allocationCount || endEntry > block.size() - 2)
            return std::nullopt;
        const qsizetype start = u16At(block, endEntry - 2);
        const qsizetype end = u16At(block, endEntry);
        if (start > end || end > block.size())
            return std::nullopt;
        return block.mid(start, end - start);
    }

private:
    const QList<QByteArray>& m_blocks;
    int m_blockShift;
};

// Collects the leaf records (key followed by data) of a B-tree on the heap.
class HeapBTree
{
public:
    HeapBTree(const Heap& heap, int keySize, int dataSize)
        : m_heap(heap), m_keySize(keySize), m_dataSize(dataSize)
    {
    }

    bool readRecords(quint32 headerId, QList<QByteArray>& records) const
    {
        const std::optional<QByteArray> header = m_heap.allocation(headerId);
        if (!header || header->size() < kBTreeHeaderSize || quint8(header->at(0)) != kBTreeSignature
            || quint8(header->at(1)) != m_keySize || quint8(header->at(2)) != m_dataSize)
            return false;
        const int indexLevels = quint8(header->at(3));
        const quint32 rootId = u32At(*header, 4);
        if (indexLevels > kMaxIndexLevels)
            return false;
        if (rootId == 0)
            return true; // an empty tree
        return collect(rootId, indexLevels, records);
    }

private:
    bool collect(quint32 nodeId, int levelsBelow, QList<QByteArray>& records) const
    {
        const std::optional<QByteArray> node = m_heap.allocation(nodeId);
        if (!node)
            return false;
        const int entrySize = m_keySize + (levelsBelow == 0 ? m_dataSize : 4);
        for (qsizetype offset = 0; offset + entrySize <= node->size(); offset += entrySize) {
            if (levelsBelow == 0) {
                if (records.size() >= kMaxRecords)
                    return false;
                records.append(node->mid(offset, entrySize));
            } else if (!collect(u32At(*node, offset + m_keySize), levelsBelow - 1, records)) {
                return false;
            }
        }
        return true;
    }

    const Heap& m_heap;
    int m_keySize;
    int m_dataSize;
};

} // namespace

bool PropertyContext::parse(const QList<QByteArray>& blocks, HeapIds ids)
{
    m_properties.clear();
    m_damagedValues = 0;
    const Heap heap(blocks, ids);
    if (!heap.hasSignature(kPropertyContextSignature))
        return false;
    QList<QByteArray> records;
    if (!HeapBTree(heap, kPropertyKeySize, kPropertyRecordDataSize).readRecords(heap.userRoot(), records))
        return false;
    for (const QByteArray& record : records) {
        const quint16 id = u16At(record, 0);
        Property property;
        property.type = u16At(record, 2);
        const quint32 valueId = u32At(record, 4);
        if (isStoredInRecord(property.type)) {
            property.data = record.mid(4, 4);
        } else if (valueId != 0 && (valueId & 0x1F) != 0) {
            property.subnodeId = valueId;
        } else if (valueId != 0) {
            const std::optional<QByteArray> value = heap.allocation(valueId);
            if (!value) {
                ++m_damagedValues;
                continue; // a damaged value is absent; the others still count
            }
            property.data = *value;
        }
        m_properties.insert(id, property);
    }
    return true;
}

std::optional<PropertyContext::Property> PropertyContext::property(quint16 propertyId) const
{
    const auto found = m_properties.constFind(propertyId);
    if (found == m_properties.constEnd())
        return std::nullopt;
    return *found;
}

QList<quint16> PropertyContext::propertyIds() const
{
    return m_properties.keys();
}

int PropertyContext::damagedValueCount() const
{
    return m_damagedValues;
}

std::optional<QByteArray> PropertyContext::heapAllocation(const QList<QByteArray>& blocks, quint32 heapId,
                                                         HeapIds ids)
{
    return Heap(blocks, ids).allocation(heapId);
}
