// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>

#include <optional>

// The properties of one node of a PST file, parsed from the node's heap
// (its data blocks in order): property id, type and stored value. Pure
// parsing over untrusted bytes: damage gives fewer properties, never a read
// outside the blocks.
class PropertyContext
{
public:
    // One property as stored in the node.
    struct Property
    {
        quint16 type = 0;
        // The value's bytes when the node holds them itself: four bytes for
        // types of up to 32 bits, the heap allocation for the others.
        QByteArray data;
        // Non-zero when the value lives in this subnode of the node instead.
        quint32 subnodeId = 0;
    };

    // Where a heap id keeps the index of its block: libpst reads it three
    // bits higher in files with 4 KB pages (Outlook 2013 and later).
    enum class HeapIds { Standard, FourKPages };
    static HeapIds heapIdsOf(bool fourKPages) { return fourKPages ? HeapIds::FourKPages : HeapIds::Standard; }

    // Parses the heap made of the given blocks. False, leaving no
    // properties, when the blocks are not a readable property context.
    bool parse(const QList<QByteArray>& blocks, HeapIds ids = HeapIds::Standard);

    // The property with this 16-bit id, or nothing when the node has none.
    std::optional<Property> property(quint16 propertyId) const;
    // Ids of every property read, in no particular order.
    QList<quint16> propertyIds() const;
    // Records of the last parse whose value pointed at no allocation of the
    // heap; they are left out of the properties.
    int damagedValueCount() const;

    // Whether a value reference names an allocation of the heap (its low
    // five bits are zero) rather than a subnode.
    static bool isHeapId(quint32 reference) { return (reference & 0x1F) == 0; }
    // The bytes of one allocation of the heap-on-node made of blocks;
    // nothing when heapId names no allocation inside them.
    static std::optional<QByteArray> heapAllocation(const QList<QByteArray>& blocks, quint32 heapId,
                                                    HeapIds ids = HeapIds::Standard);

private:
    QHash<quint16, Property> m_properties;
    int m_damagedValues = 0;
};
