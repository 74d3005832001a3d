// SPDX-License-Identifier: GPL-2.0-or-later
#include "MapiPropertyReader.h"

#include "ByteFields.h"

#include "Log.h"
#include "NameMapLayout.h"

#include <QStringDecoder>
#include <QtEndian>

#include <cstring>

namespace {

constexpr quint16 kTypeInt16 = 0x0002;
constexpr quint16 kTypeInt32 = 0x0003;
constexpr quint16 kTypeFloat = 0x0004;
constexpr quint16 kTypeDouble = 0x0005;
constexpr quint16 kTypeBoolean = 0x000B;
constexpr quint16 kTypeString8 = 0x001E;
constexpr quint16 kTypeUnicode = 0x001F;
constexpr quint16 kTypeFiletime = 0x0040;
constexpr quint16 kTypeBinary = 0x0102;
constexpr quint16 kTypeMultiBinary = 0x1102;

constexpr quint16 kFirstNamedPropertyId = 0x8000;
// Entries name their set by index: 1 and 2 are these two well-known sets,
// 3 and above index the GUID stream.
constexpr QUuid kPsMapi{0x00020328, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
constexpr QUuid kPsPublicStrings{0x00020329, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
// Guards the walk for the map's node against a damaged, cyclic tree.
constexpr int kMaxNodesVisited = 1000000;

const uchar* bytesOf(const QByteArray& bytes)
{
    return reinterpret_cast<const uchar*>(bytes.constData());
}

// GUIDs are stored in Windows' layout: the first three fields little-endian.
QUuid guidAt(const QByteArray& stream, qsizetype offset)
{
    const uchar* p = bytesOf(stream) + offset;
    return QUuid(qFromLittleEndian<quint32>(p), qFromLittleEndian<quint16>(p + 4),
                 qFromLittleEndian<quint16>(p + 6), p[8], p[9], p[10], p[11], p[12], p[13], p[14], p[15]);
}

std::optional<QUuid> propertySetOf(int guidIndex, const QByteArray& guidStream)
{
    if (guidIndex == 1)
        return kPsMapi;
    if (guidIndex == 2)
        return kPsPublicStrings;
    const qsizetype offset = qsizetype(guidIndex - NameMapLayout::kFirstStreamGuidIndex) * NameMapLayout::kGuidSize;
    if (guidIndex < NameMapLayout::kFirstStreamGuidIndex || offset > guidStream.size() - NameMapLayout::kGuidSize)
        return std::nullopt;
    return guidAt(guidStream, offset);
}

pst_desc_tree* findNode(pst_file* file, quint64 nodeId)
{
    // The map sits among the top-level nodes, so look there before the tree.
    for (pst_desc_tree* node = file->d_head; node; node = node->next) {
        if (node->d_id == nodeId)
            return node;
    }
    int visited = 0;
    pst_desc_tree* node = file->d_head;
    while (node && ++visited < kMaxNodesVisited) {
        if (node->d_id == nodeId)
            return node;
        if (node->child) {
            node = node->child;
            continue;
        }
        while (node && !node->next)
            node = node->parent;
        if (node)
            node = node->next;
    }
    return nullptr;
}

quint64 dataBlockOf(const pst_desc_tree* node)
{
    return node && node->desc ? node->desc->i_id : 0;
}

quint64 subnodeBlockOf(const pst_desc_tree* node)
{
    return node && node->assoc_tree ? node->assoc_tree->i_id : 0;
}


QString decodeString8(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

// Reads a node's properties and the values they keep in subnodes.
struct NodeProperties
{
    PropertyContext context;
    QHash<quint32, NodeDataReader::Subnode> subnodes;
};

bool readNode(const NodeDataReader& blocks, const pst_desc_tree* node, NodeProperties& out)
{
    const quint64 dataBlock = dataBlockOf(node);
    if (dataBlock == 0 || !out.context.parse(blocks.dataBlocks(dataBlock), PropertyContext::heapIdsOf(blocks.hasFourKPages())))
        return false;
    out.subnodes = blocks.subnodes(subnodeBlockOf(node));
    return true;
}

std::optional<QByteArray> storedBytes(const NodeDataReader& blocks,
                                      const QHash<quint32, NodeDataReader::Subnode>& subnodes,
                                      const PropertyContext::Property& property)
{
    if (property.subnodeId == 0)
        return property.data;
    const auto subnode = subnodes.constFind(property.subnodeId);
    if (subnode == subnodes.constEnd())
        return std::nullopt;
    return NodeDataReader::joined(blocks.dataBlocks(subnode->dataBlockId));
}

} // namespace

MapiPropertyReader::MapiPropertyReader(pst_file* file, pst_desc_tree* node)
    : m_blocks(file)
{
    if (!file || !node)
        return;
    NodeProperties message;
    if (!readNode(m_blocks, node, message)) {
        Log::warn(QStringLiteral("Cannot read the properties of PST node %1.").arg(node->d_id, 0, 16));
        return;
    }
    m_properties = message.context;
    m_subnodes = message.subnodes;
    m_valid = true;
    readNameMap(file);
}

MapiPropertyReader::MapiPropertyReader(pst_file* file, const PropertyContext& properties,
                                       const QHash<quint32, NodeDataReader::Subnode>& subnodes)
    : m_blocks(file), m_properties(properties), m_subnodes(subnodes), m_valid(file != nullptr)
{
}

std::optional<quint16> MapiPropertyReader::type(quint16 propertyId) const
{
    const std::optional<PropertyContext::Property> property = m_properties.property(propertyId);
    return property ? std::optional<quint16>(property->type) : std::nullopt;
}

void MapiPropertyReader::readNameMap(pst_file* file)
{
    NodeProperties map;
    const pst_desc_tree* mapNode = findNode(file, NameMapLayout::kNodeId);
    if (!mapNode || !readNode(m_blocks, mapNode, map)) {
        Log::warn(QStringLiteral("Cannot read the named-property map of the PST file."));
        return;
    }
    const auto streamOf = [&](quint16 id) {
        const std::optional<PropertyContext::Property> property = map.context.property(id);
        if (!property || property->type != kTypeBinary)
            return QByteArray();
        return storedBytes(m_blocks, map.subnodes, *property).value_or(QByteArray());
    };
    const QByteArray guids = streamOf(NameMapLayout::kGuidStream);
    const QByteArray entries = streamOf(NameMapLayout::kEntryStream);
    for (qsizetype offset = 0; offset + NameMapLayout::kEntrySize <= entries.size(); offset += NameMapLayout::kEntrySize) {
        const uchar* entry = bytesOf(entries) + offset;
        const quint32 nameOrOffset = qFromLittleEndian<quint32>(entry);
        const quint16 guidAndKind = qFromLittleEndian<quint16>(entry + 4);
        const quint16 index = qFromLittleEndian<quint16>(entry + 6);
        // The low bit marks names given as strings; only numbered ones are read.
        if ((guidAndKind & 1) != 0 || index > 0xFFFF - kFirstNamedPropertyId)
            continue;
        const std::optional<QUuid> set = propertySetOf(guidAndKind >> 1, guids);
        if (set)
            m_namedIds.insert(qMakePair(*set, nameOrOffset), quint16(kFirstNamedPropertyId + index));
    }
}

bool MapiPropertyReader::isValid() const
{
    return m_valid;
}

std::optional<quint16> MapiPropertyReader::namedPropertyId(const QUuid& propertySet, quint32 lid) const
{
    const auto found = m_namedIds.constFind(qMakePair(propertySet, lid));
    if (found == m_namedIds.constEnd())
        return std::nullopt;
    return *found;
}

std::optional<QByteArray> MapiPropertyReader::valueBytes(const PropertyContext::Property& property) const
{
    return storedBytes(m_blocks, m_subnodes, property);
}

// The value of a fixed-size property when it has this type and at least
// this many bytes.
std::optional<QByteArray> MapiPropertyReader::fixedValue(quint16 propertyId, quint16 type, qsizetype size) const
{
    const std::optional<PropertyContext::Property> property = m_properties.property(propertyId);
    if (!property || property->type != type)
        return std::nullopt;
    const std::optional<QByteArray> bytes = valueBytes(*property);
    if (!bytes || bytes->size() < size)
        return std::nullopt;
    return bytes;
}

std::optional<qint32> MapiPropertyReader::int32(quint16 propertyId) const
{
    if (const auto bytes = fixedValue(propertyId, kTypeInt32, 4))
        return qFromLittleEndian<qint32>(bytesOf(*bytes));
    if (const auto bytes = fixedValue(propertyId, kTypeInt16, 2))
        return qint32(qFromLittleEndian<qint16>(bytesOf(*bytes)));
    return std::nullopt;
}

std::optional<double> MapiPropertyReader::floating(quint16 propertyId) const
{
    if (const auto bytes = fixedValue(propertyId, kTypeDouble, 8)) {
        const quint64 bits = qFromLittleEndian<quint64>(bytesOf(*bytes));
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    if (const auto bytes = fixedValue(propertyId, kTypeFloat, 4)) {
        const quint32 bits = qFromLittleEndian<quint32>(bytesOf(*bytes));
        float value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return double(value);
    }
    return std::nullopt;
}

std::optional<bool> MapiPropertyReader::boolean(quint16 propertyId) const
{
    if (const auto bytes = fixedValue(propertyId, kTypeBoolean, 1))
        return bytes->at(0) != 0;
    if (const std::optional<qint32> number = int32(propertyId))
        return *number != 0;
    return std::nullopt;
}

std::optional<qint64> MapiPropertyReader::filetime(quint16 propertyId) const
{
    if (const auto bytes = fixedValue(propertyId, kTypeFiletime, 8))
        return qFromLittleEndian<qint64>(bytesOf(*bytes));
    return std::nullopt;
}

std::optional<QString> MapiPropertyReader::string(quint16 propertyId) const
{
    const std::optional<PropertyContext::Property> property = m_properties.property(propertyId);
    if (!property || (property->type != kTypeUnicode && property->type != kTypeString8))
        return std::nullopt;
    const std::optional<QByteArray> bytes = binary(propertyId);
    if (!bytes)
        return std::nullopt;
    if (property->type == kTypeString8)
        return decodeString8(*bytes);
    // An odd trailing byte is damage; the whole characters still count.
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes->constData()), bytes->size() / 2);
}

std::optional<QByteArray> MapiPropertyReader::binary(quint16 propertyId) const
{
    const std::optional<PropertyContext::Property> property = m_properties.property(propertyId);
    if (!property)
        return std::nullopt;
    int characterSize = 0;
    if (property->type == kTypeUnicode)
        characterSize = 2;
    else if (property->type == kTypeString8)
        characterSize = 1;
    else if (property->type != kTypeBinary)
        return std::nullopt;
    std::optional<QByteArray> bytes = valueBytes(*property);
    if (bytes && characterSize > 0)
        bytes = ByteFields::upToTerminator(*bytes, characterSize);
    return bytes;
}

std::optional<qint32> MapiPropertyReader::int32Named(const QUuid& propertySet, quint32 lid) const
{
    const std::optional<quint16> id = namedPropertyId(propertySet, lid);
    return id ? int32(*id) : std::nullopt;
}

std::optional<double> MapiPropertyReader::doubleNamed(const QUuid& propertySet, quint32 lid) const
{
    const std::optional<quint16> id = namedPropertyId(propertySet, lid);
    return id ? floating(*id) : std::nullopt;
}

std::optional<bool> MapiPropertyReader::boolNamed(const QUuid& propertySet, quint32 lid) const
{
    const std::optional<quint16> id = namedPropertyId(propertySet, lid);
    return id ? boolean(*id) : std::nullopt;
}

std::optional<qint64> MapiPropertyReader::filetimeNamed(const QUuid& propertySet, quint32 lid) const
{
    const std::optional<quint16> id = namedPropertyId(propertySet, lid);
    return id ? filetime(*id) : std::nullopt;
}

std::optional<QString> MapiPropertyReader::stringNamed(const QUuid& propertySet, quint32 lid) const
{
    const std::optional<quint16> id = namedPropertyId(propertySet, lid);
    return id ? string(*id) : std::nullopt;
}

// Stored as a count, one offset per value into the same bytes, then the
// values; an offset outside the bytes makes the whole property damaged.
std::optional<QList<QByteArray>> MapiPropertyReader::binaryListNamed(const QUuid& propertySet, quint32 lid) const
{
    const std::optional<quint16> id = namedPropertyId(propertySet, lid);
    const std::optional<PropertyContext::Property> property = id ? m_properties.property(*id) : std::nullopt;
    if (!property || property->type != kTypeMultiBinary)
        return std::nullopt;
    const std::optional<QByteArray> bytes = valueBytes(*property);
    if (!bytes || bytes->size() < 4)
        return std::nullopt;
    const quint32 count = qFromLittleEndian<quint32>(bytesOf(*bytes));
    if (qint64(count) > (bytes->size() - 4) / 4)
        return std::nullopt;
    QList<QByteArray> values;
    for (quint32 i = 0; i < count; ++i) {
        const quint32 begin = qFromLittleEndian<quint32>(bytesOf(*bytes) + 4 + 4 * i);
        const quint32 end = i + 1 < count ? qFromLittleEndian<quint32>(bytesOf(*bytes) + 8 + 4 * i) : quint32(bytes->size());
        if (begin > end || end > quint32(bytes->size()))
            return std::nullopt;
        values.append(bytes->mid(begin, end - begin));
    }
    return values;
}
