// SPDX-License-Identifier: GPL-2.0-or-later
#include "NodeGuard.h"

#include "ByteFields.h"
#include "NameMapLayout.h"
#include "PinnedFile.h"
#include "SoundNodes.h"

#include <QSet>

namespace {


constexpr quint8 kHeapSignature = 0xEC;
constexpr quint8 kPropertyContextSignature = 0xBC;
constexpr quint8 kTableContextSignature = 0x7C;
constexpr qsizetype kHeapHeaderSize = 12;
// TCINFO: signature, column count, four row-layout offsets, the row index
// and the row matrix references, then eight bytes per column.
constexpr qsizetype kTableInfoHeaderSize = 22;
constexpr qsizetype kTableColumnSize = 8;
constexpr int kRowEndOffset = 2 + 3 * 2;
// An attachment's data as an attached message: an object naming its subnode.
constexpr quint16 kAttachDataObject = 0x3701;
constexpr quint16 kObjectType = 0x000D;
// Attached messages checked inside one another, as deep as the writers go.
constexpr int kMaxAttachedDepth = 32;

using ByteFields::u16At;
using ByteFields::u32At;

bool isFixedInRecord(quint16 type)
{
    return type == 0x0002 || type == 0x0003 || type == 0x0004 || type == 0x000A || type == 0x000B;
}

bool isFixedEightBytes(quint16 type)
{
    return type == 0x0005 || type == 0x0006 || type == 0x0007 || type == 0x0014 || type == 0x0040;
}

// Property types a PST stores; libpst leaves the value of any other type
// unset, then reads it as whatever its id promises.
bool isKnownType(quint16 type)
{
    if (isFixedInRecord(type) || isFixedEightBytes(type))
        return true;
    switch (type) {
    case 0x0001: case 0x000D: case 0x001E: case 0x001F: case 0x0048: case 0x00FB: case 0x00FD:
    case 0x00FE: case 0x0102: case 0x1002: case 0x1003: case 0x1004: case 0x1005: case 0x1006:
    case 0x1007: case 0x1014: case 0x101E: case 0x101F: case 0x1040: case 0x1048: case 0x1102:
        return true;
    default:
        return false;
    }
}

// The types libpst gives a value; it keeps an entry of any other type (even
// one a PST may store, like float, currency or the multi-valued times)
// without one. Found like the ids below.
bool libpstReadsType(quint16 type)
{
    switch (type) {
    case 0x0002: case 0x0003: case 0x0005: case 0x000B: case 0x000D: case 0x0014: case 0x001E: case 0x001F:
    case 0x0040: case 0x0048: case 0x0102: case 0x1003: case 0x1014: case 0x101E: case 0x101F: case 0x1102:
        return true;
    default:
        return false;
    }
}

// Whether libpst reads a named property id (0x8000 and up) as one of its
// own: the file's map (with the mask of NamedPropertyMask) points it at
// libpst's id, and id 0 means it is left out.
bool namedIdReachesLibpst(const pst_file* file, quint16 id)
{
    const pst_x_attrib_ll* entry = file ? file->x_head : nullptr;
    while (entry && entry->map < id)
        entry = entry->next;
    if (!entry || entry->map != id)
        return true;
    if (entry->mytype != PST_MAP_ATTRIB)
        return true;
    return !entry->data || *static_cast<const uint32_t*>(entry->data) != 0;
}

// libpst keeps an entry of a type it does not read without a value, then
// reads the value of these ids without looking at its type: through a null
// pointer. Any other id it leaves alone (found by giving each id
// 0x0000-0x7FFF such a type in a real file).
bool libpstReadsUntyped(const pst_file* file, quint16 id)
{
    static const QSet<quint16> ids{
        0x0017, 0x0026, 0x0029, 0x002B, 0x002E, 0x0036, 0x0057, 0x0058, 0x0059,
        0x0063, 0x0C04, 0x0C05, 0x0C17, 0x0C20, 0x0E01, 0x0E07, 0x0E08, 0x0E1F,
        0x1006, 0x1007, 0x1010, 0x1011, 0x35DF, 0x3602, 0x3603, 0x360A, 0x3613,
        0x3617, 0x3A03, 0x3A0E, 0x3A40, 0x3A4D, 0x3FDE, 0x3FFD, 0x67FF
    };
    return id >= 0x8000 ? namedIdReachesLibpst(file, id) : ids.contains(id);
}

quint64 dataBlockOf(const pst_desc_tree* node)
{
    return node && node->desc ? node->desc->i_id : 0;
}

quint64 subnodeBlockOf(const pst_desc_tree* node)
{
    return node && node->assoc_tree ? node->assoc_tree->i_id : 0;
}

const pst_desc_tree* topLevelNode(const pst_file* file, quint64 nodeId)
{
    for (const pst_desc_tree* node = file->d_head; node; node = node->next) {
        if (node->d_id == nodeId)
            return node;
    }
    return nullptr;
}

bool hasHeapSignature(const QList<QByteArray>& blocks, quint8 clientSignature)
{
    if (blocks.isEmpty() || blocks.first().size() < kHeapHeaderSize)
        return false;
    const QByteArray& first = blocks.first();
    return quint8(first.at(2)) == kHeapSignature && quint8(first.at(3)) == clientSignature;
}

// Every property's value libpst reads must be what its type says: a known
// type, eight bytes for the 64-bit types, and a reference naming an
// existing allocation or subnode.
bool arePropertiesSound(const pst_file* file, const PropertyContext& context,
                        const QHash<quint32, NodeDataReader::Subnode>& subnodes, bool attachedRecord)
{
    if (context.damagedValueCount() > 0)
        return false;
    for (const quint16 id : context.propertyIds()) {
        const PropertyContext::Property property = *context.property(id);
        // The ids libpst reads untyped were found in messages; in the records
        // read with them (attachments, table rows) it reads others, so there
        // every type it does not read counts.
        if (!libpstReadsType(property.type) && (attachedRecord || libpstReadsUntyped(file, id)))
            return false;
        if (!isKnownType(property.type))
            continue; // a value nobody reads
        if (isFixedEightBytes(property.type) && (property.subnodeId != 0 || property.data.size() < 8))
            return false;
        if (property.subnodeId != 0) {
            const auto subnode = subnodes.constFind(property.subnodeId);
            if (subnode == subnodes.constEnd() || subnode->dataBlockId == 0)
                return false;
        }
    }
    return true;
}

// The stored bytes of a binary stream of the map; nothing when unreadable.
std::optional<QByteArray> streamBytes(const NodeDataReader& reader, const PropertyContext& context,
                                      const QHash<quint32, NodeDataReader::Subnode>& subnodes, quint16 id)
{
    const std::optional<PropertyContext::Property> property = context.property(id);
    if (!property)
        return QByteArray();
    if (property->subnodeId == 0)
        return property->data;
    return NodeDataReader::joined(reader.dataBlocks(subnodes.value(property->subnodeId).dataBlockId));
}

// Each entry names its property set by index and, for string names, the
// offset of a length-prefixed name in the string stream.
bool areNameEntriesSound(const QByteArray& entries, const QByteArray& guids, const QByteArray& strings)
{
    if (entries.size() % NameMapLayout::kEntrySize != 0)
        return false;
    for (qsizetype offset = 0; offset < entries.size(); offset += NameMapLayout::kEntrySize) {
        const quint32 nameOrOffset = u32At(entries, offset);
        const quint16 guidAndKind = u16At(entries, offset + 4);
        const int guidIndex = guidAndKind >> 1;
        if (guidIndex >= NameMapLayout::kFirstStreamGuidIndex
            && qsizetype(guidIndex - NameMapLayout::kFirstStreamGuidIndex + 1) * NameMapLayout::kGuidSize > guids.size())
            return false;
        if ((guidAndKind & 1) == 0)
            continue;
        if (qint64(nameOrOffset) > qint64(strings.size()) - 4)
            return false;
        const quint32 length = u32At(strings, nameOrOffset);
        if (qint64(length) > qint64(strings.size()) - qint64(nameOrOffset) - 4)
            return false;
    }
    return true;
}

} // namespace

NodeGuard::NodeGuard(pst_file* file)
    : m_file(file), m_reader(file)
{
}

bool NodeGuard::readContext(const QList<QByteArray>& blocks, quint64 subnodeBlock, PropertyContext& context,
                            Subnodes& subnodes, bool attachedRecord) const
{
    if (!hasHeapSignature(blocks, kPropertyContextSignature) || !context.parse(blocks, heapIds()))
        return false;
    if (subnodeBlock != 0 && !m_reader.readSubnodes(subnodeBlock, subnodes))
        return false;
    return arePropertiesSound(m_file, context, subnodes, attachedRecord) && areValueBlocksReadable(context, subnodes);
}

// libpst copies a compressed block that does not inflate whole as (size_t)-1
// bytes; in files that compress blocks (4 KB pages) every value kept in a
// subnode (bodies, attachment data) must therefore read whole. Other files'
// blocks come back short at worst.
bool NodeGuard::areValueBlocksReadable(const PropertyContext& context, const Subnodes& subnodes) const
{
    if (!m_reader.hasFourKPages())
        return true;
    for (const quint16 id : context.propertyIds()) {
        const quint32 subnodeId = context.property(id)->subnodeId;
        if (subnodeId != 0 && !isSubnodeDataReadable(subnodes, subnodeId))
            return false;
    }
    return true;
}

bool NodeGuard::isSubnodeDataReadable(const Subnodes& subnodes, quint32 subnodeId) const
{
    const auto subnode = subnodes.constFind(subnodeId);
    return subnode != subnodes.constEnd() && !m_reader.dataBlocks(subnode->dataBlockId).isEmpty();
}

bool NodeGuard::isSound(const pst_desc_tree* node) const
{
    return isSound(node, nullptr);
}

bool NodeGuard::isSound(const pst_desc_tree* node, CheckedNode* checked) const
{
    if (!m_file || !node)
        return false;
    // A caller that only asks is answered from an earlier check of the
    // unchanged file; one that wants the node's values has them read. So is
    // one about to parse the node under a pin: the file may change between
    // a look at its state and libpst's read, so only bytes read and checked
    // now are known to be the ones libpst will parse.
    if (!checked && !PinnedFile::isPinned(m_file) && SoundNodes::isKnownSound(m_file, node->d_id))
        return true;
    if (!isSoundAsRead(node, checked))
        return false;
    SoundNodes::rememberSound(m_file, node->d_id);
    return true;
}

bool NodeGuard::isSoundAsRead(const pst_desc_tree* node, CheckedNode* checked) const
{
    // Folders' hierarchy and contents tables are nodes of their own.
    const NodeDataReader::Subnode self{dataBlockOf(node), subnodeBlockOf(node)};
    const QList<QByteArray> blocks = m_reader.dataBlocks(self.dataBlockId);
    if (!hasHeapSignature(blocks, kPropertyContextSignature))
        return isSubnodeSound(self);
    CheckedNode own;
    CheckedNode& result = checked ? *checked : own;
    result.hasContext = true;
    if (!readContext(blocks, self.subnodeBlockId, result.context, result.subnodes))
        return false;
    return areSubnodeTablesSound(result.context, result.subnodes, checked ? &checked->attachedIds : nullptr);
}

// The subnodes no property value lives in are the node's tables and
// attachments, which libpst parses along with the node.
bool NodeGuard::areSubnodeTablesSound(const PropertyContext& context, const Subnodes& subnodes,
                                      QSet<quint16>* attachedIds) const
{
    QSet<quint32> valueSubnodes;
    for (const quint16 id : context.propertyIds())
        valueSubnodes.insert(context.property(id)->subnodeId);
    for (auto it = subnodes.constBegin(); it != subnodes.constEnd(); ++it) {
        if (!valueSubnodes.contains(it.key()) && !isSubnodeSound(it.value(), attachedIds))
            return false;
    }
    return true;
}

// libpst parses an attached message like a message of its own when it is
// shown, printed or written: it must be as sound as one.
bool NodeGuard::isAttachedMessageSound(const PropertyContext& attachment, const Subnodes& subnodes) const
{
    const std::optional<PropertyContext::Property> object = attachment.property(kAttachDataObject);
    if (!object || object->type != kObjectType || object->data.size() < 4)
        return true;
    const auto message = subnodes.constFind(u32At(object->data, 0));
    if (message == subnodes.constEnd())
        return true; // libpst finds no message to parse
    if (m_attachedDepth >= kMaxAttachedDepth)
        return false;
    const QList<QByteArray> blocks = m_reader.dataBlocks(message->dataBlockId);
    PropertyContext context;
    Subnodes own;
    // Object data that is no property context (an OLE object) is bytes only.
    if (!hasHeapSignature(blocks, kPropertyContextSignature))
        return true;
    ++m_attachedDepth;
    const bool sound = readContext(blocks, message->subnodeBlockId, context, own) &&
                       areSubnodeTablesSound(context, own);
    --m_attachedDepth;
    return sound;
}

bool NodeGuard::isSubnodeSound(const NodeDataReader::Subnode& subnode, QSet<quint16>* attachedIds) const
{
    const QList<QByteArray> blocks = m_reader.dataBlocks(subnode.dataBlockId);
    if (blocks.isEmpty())
        return subnode.dataBlockId == 0; // libpst does not parse a node without data
    if (hasHeapSignature(blocks, kPropertyContextSignature)) {
        PropertyContext context;
        Subnodes own;
        if (!readContext(blocks, subnode.subnodeBlockId, context, own, true))
            return false;
        if (!isAttachedMessageSound(context, own))
            return false;
        if (attachedIds) {
            for (const quint16 id : context.propertyIds())
                attachedIds->insert(id);
        }
        return true;
    }
    if (!hasHeapSignature(blocks, kTableContextSignature))
        return true; // a plain stream, read as bytes only
    const std::optional<QByteArray> info = PropertyContext::heapAllocation(blocks, u32At(blocks.first(), 4), heapIds());
    if (!info || info->size() < kTableInfoHeaderSize || quint8(info->at(0)) != kTableContextSignature)
        return false;
    const int columns = quint8(info->at(1));
    if (info->size() < kTableInfoHeaderSize + columns * kTableColumnSize)
        return false;
    const int rowSize = u16At(*info, kRowEndOffset);
    for (int i = 0; i < columns; ++i) {
        const qsizetype column = kTableInfoHeaderSize + i * kTableColumnSize;
        const quint16 type = u16At(*info, column);
        const int cellOffset = u16At(*info, column + 4);
        const int cellSize = quint8(info->at(column + 6));
        if (cellOffset + cellSize > rowSize)
            return false;
        // libpst makes each row's cells into properties like a message's own.
        if (!libpstReadsType(type) || (isFixedEightBytes(type) && cellSize != 8))
            return false;
        if (attachedIds)
            attachedIds->insert(u16At(*info, column + 2));
    }
    const quint32 rowIndex = u32At(*info, 10);
    if (rowIndex != 0 && !PropertyContext::heapAllocation(blocks, rowIndex, heapIds()))
        return false;
    // Rows kept in a subnode of their own are read by libpst through its
    // block index, which checks them, but for compressed blocks (see
    // areValueBlocksReadable); rows on the heap must be there.
    const quint32 rows = u32At(*info, 14);
    if (rows != 0 && !PropertyContext::isHeapId(rows) && m_reader.hasFourKPages()) {
        Subnodes own;
        return m_reader.readSubnodes(subnode.subnodeBlockId, own) && isSubnodeDataReadable(own, rows);
    }
    return rows == 0 || !PropertyContext::isHeapId(rows) || PropertyContext::heapAllocation(blocks, rows, heapIds()).has_value();
}

bool NodeGuard::isNameMapSound() const
{
    if (!m_file)
        return false;
    // Without the map or its data libpst loads no names and says so itself.
    const pst_desc_tree* map = topLevelNode(m_file, NameMapLayout::kNodeId);
    if (!map || dataBlockOf(map) == 0)
        return true;
    PropertyContext context;
    Subnodes subnodes;
    if (!readContext(m_reader.dataBlocks(dataBlockOf(map)), subnodeBlockOf(map), context, subnodes))
        return false;
    const auto guids = streamBytes(m_reader, context, subnodes, NameMapLayout::kGuidStream);
    const auto entries = streamBytes(m_reader, context, subnodes, NameMapLayout::kEntryStream);
    const auto strings = streamBytes(m_reader, context, subnodes, NameMapLayout::kStringStream);
    return guids && entries && strings && areNameEntriesSound(*entries, *guids, *strings);
}
