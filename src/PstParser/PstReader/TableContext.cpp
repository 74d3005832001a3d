// SPDX-License-Identifier: GPL-2.0-or-later
#include "TableContext.h"

#include "ByteFields.h"
#include "NodeDataReader.h"
#include "PropertyContext.h"

namespace {

constexpr quint8 kHeapSignature = 0xEC;
constexpr quint8 kTableSignature = 0x7C;
constexpr qsizetype kHeapHeaderSize = 12;
// The table's header: signature, column count, the four ends of the row's
// parts (4-, 2- and 1-byte cells, presence bits), the row index, the rows;
// then eight bytes per column.
constexpr qsizetype kInfoHeaderSize = 22;
constexpr qsizetype kColumnSize = 8;
constexpr qsizetype kOneByteCellsEnd = 6;
constexpr qsizetype kRowEnd = 8;
constexpr qsizetype kRowsReference = 14;
constexpr quint16 kRowIdProperty = 0x67F2;
constexpr quint16 kUnicodeString = 0x001F;
constexpr quint16 kEightBitString = 0x001E;

using ByteFields::u16At;
using ByteFields::u32At;

} // namespace

bool TableContext::parse(const QList<QByteArray>& blocks, const SubnodeData& subnodeData, PropertyContext::HeapIds ids)
{
    *this = TableContext();
    if (blocks.isEmpty() || blocks.first().size() < kHeapHeaderSize || quint8(blocks.first().at(2)) != kHeapSignature
        || quint8(blocks.first().at(3)) != kTableSignature)
        return false;
    m_blocks = blocks;
    m_subnodeData = subnodeData;
    m_heapIds = ids;
    const std::optional<QByteArray> info = PropertyContext::heapAllocation(blocks, u32At(blocks.first(), 4), ids);
    if (!info || !readColumns(*info) || !readRows(u32At(*info, kRowsReference))) {
        *this = TableContext();
        return false;
    }
    return true;
}

bool TableContext::readColumns(const QByteArray& info)
{
    if (info.size() < kInfoHeaderSize || quint8(info.at(0)) != kTableSignature)
        return false;
    const int count = quint8(info.at(1));
    m_presenceOffset = u16At(info, kOneByteCellsEnd);
    m_rowSize = u16At(info, kRowEnd);
    if (info.size() < kInfoHeaderSize + count * kColumnSize || m_rowSize < 4 || m_presenceOffset > m_rowSize
        || m_presenceOffset + (count + 7) / 8 > m_rowSize)
        return false;
    for (int i = 0; i < count; ++i) {
        const qsizetype at = kInfoHeaderSize + i * kColumnSize;
        const Column column{u16At(info, at), u16At(info, at + 2), u16At(info, at + 4), quint8(info.at(at + 6)),
                            quint8(info.at(at + 7))};
        // A cell outside its row's values or a presence bit past the row is damage.
        if (column.offset + column.size > m_presenceOffset || column.bit >= count)
            return false;
        m_columns.append(column);
    }
    return true;
}

// Small tables keep their rows in the heap; larger ones in a subnode whose
// blocks each hold whole rows.
bool TableContext::readRows(quint32 rowsReference)
{
    if (rowsReference == 0)
        return true;
    QList<QByteArray> parts;
    if (PropertyContext::isHeapId(rowsReference)) {
        const std::optional<QByteArray> rows = PropertyContext::heapAllocation(m_blocks, rowsReference, m_heapIds);
        if (!rows)
            return false;
        parts.append(*rows);
    } else {
        parts = m_subnodeData ? m_subnodeData(rowsReference) : QList<QByteArray>();
        if (parts.isEmpty())
            return false;
    }
    for (const QByteArray& part : std::as_const(parts)) {
        const qsizetype whole = part.size() / m_rowSize * m_rowSize;
        if (m_rows.size() + whole > qsizetype(kMaxRows) * m_rowSize)
            return false;
        m_rows.append(part.constData(), whole);
    }
    return true;
}

quint32 TableContext::rowId(int row) const
{
    const Column* id = column(kRowIdProperty);
    const int offset = id && id->size == 4 ? id->offset : 0;
    return u32At(m_rows, qsizetype(row) * m_rowSize + offset);
}

std::optional<QString> TableContext::string(int row, quint16 propertyId) const
{
    const Column* found = column(propertyId);
    if (!found || found->size != 4 || (found->type != kUnicodeString && found->type != kEightBitString))
        return std::nullopt;
    const QByteArray reference = cell(row, *found);
    if (reference.isEmpty())
        return std::nullopt;
    const std::optional<QByteArray> bytes = value(u32At(reference, 0));
    if (!bytes)
        return std::nullopt;
    if (found->type == kEightBitString)
        return QString::fromLatin1(ByteFields::upToTerminator(*bytes, 1));
    const QByteArray characters = ByteFields::upToTerminator(*bytes, 2);
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(characters.constData()), characters.size() / 2);
}

QByteArray TableContext::cell(int row, const Column& column) const
{
    if (row < 0 || row >= rowCount())
        return {};
    const qsizetype start = qsizetype(row) * m_rowSize;
    const quint8 presence = quint8(m_rows.at(start + m_presenceOffset + column.bit / 8));
    if ((presence & (0x80 >> (column.bit % 8))) == 0)
        return {};
    return m_rows.mid(start + column.offset, column.size);
}

std::optional<QByteArray> TableContext::value(quint32 reference) const
{
    if (PropertyContext::isHeapId(reference))
        return reference == 0 ? QByteArray() : PropertyContext::heapAllocation(m_blocks, reference, m_heapIds);
    return NodeDataReader::joined(m_subnodeData ? m_subnodeData(reference) : QList<QByteArray>());
}

const TableContext::Column* TableContext::column(quint16 propertyId) const
{
    for (const Column& each : m_columns) {
        if (each.id == propertyId)
            return &each;
    }
    return nullptr;
}
