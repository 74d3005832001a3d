// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstLtpWriter.h"

#include "PstBytes.h"
#include "PstHeapBuilder.h"

#include <algorithm>
#include <cstring>
#include <map>

using namespace PstBytes;

namespace {

constexpr uint8_t kClientPc = 0xBC;
constexpr uint8_t kClientTc = 0x7C;
constexpr uint8_t kClientBth = 0xB5;
constexpr uint32_t kNidTypeLtp = 0x1F;

bool isInlineInPc(uint16_t type)
{
    return type == PstProperty::Short || type == PstProperty::Long || type == PstProperty::Boolean
        || type == 0x0004 || type == 0x000A;
}

int tableCellSize(uint16_t type)
{
    switch (type) {
    case PstProperty::Boolean:
        return 1;
    case PstProperty::Short:
        return 2;
    case PstProperty::Long:
    case 0x0004:
    case 0x000A:
        return 4;
    case PstProperty::Double:
    case PstProperty::Int64:
    case PstProperty::SysTime:
    case 0x0006:
        return 8;
    default:
        return 4; // an HNID
    }
}

bool isFixedInTable(uint16_t type)
{
    return tableCellSize(type) != 4 || type == PstProperty::Long || type == 0x0004 || type == 0x000A;
}

// Builds a BTH over records (keySize + dataSize bytes each, sorted by key,
// packed one after another) and returns the hid of its header.
uint32_t writeBth(PstHeapBuilder& heap, int keySize, int dataSize, const QByteArray& records)
{
    uint32_t root = 0;
    int levels = 0;
    if (!records.isEmpty()) {
        QByteArray level = records;
        int recordSize = keySize + dataSize;
        for (;;) {
            const qsizetype perNode = PstHeapBuilder::kMaxAllocation / recordSize;
            const qsizetype count = level.size() / recordSize;
            QByteArray upper;
            for (qsizetype i = 0; i < count; i += perNode) {
                const qsizetype n = std::min(perNode, count - i);
                const uint32_t hid = heap.allocate(level.mid(i * recordSize, n * recordSize));
                upper.append(level.constData() + i * recordSize, keySize);
                append32(upper, hid);
            }
            if (upper.size() == keySize + 4) {
                std::memcpy(&root, upper.constData() + keySize, 4);
                break;
            }
            level = upper;
            recordSize = keySize + 4;
            ++levels;
        }
    }
    QByteArray header;
    append8(header, kClientBth);
    append8(header, uint8_t(keySize));
    append8(header, uint8_t(dataSize));
    append8(header, uint8_t(levels));
    append32(header, root);
    return heap.allocate(header);
}

// Stores a variable-size value in the heap or, when too large, as a sub-node.
uint32_t storeValue(PstNdbWriter& ndb, PstHeapBuilder& heap, const PstProperty& p,
                    std::vector<PstNdbWriter::SubnodeEntry>& subnodes, uint32_t& nextLtpIndex)
{
    if (!p.generator && p.data.size() <= PstHeapBuilder::kMaxAllocation)
        return heap.allocate(p.data);
    const uint32_t nid = (nextLtpIndex++ << 5) | kNidTypeLtp;
    const uint64_t bid = p.generator ? ndb.writeGenerated(p.generatedSize, p.generator) : ndb.writeData(p.data);
    subnodes.push_back({nid, bid, 0});
    return nid;
}

} // namespace

PstLtpWriter::PstLtpWriter(PstNdbWriter& ndb)
    : m_ndb(ndb)
{
}

PstLtpWriter::NodeImage PstLtpWriter::writePropertyContext(const std::vector<PstProperty>& properties,
                                                           std::vector<PstNdbWriter::SubnodeEntry> subnodes)
{
    PstHeapBuilder heap(kClientPc, m_ndb.heapBlockShift());
    uint32_t nextLtpIndex = 1;
    std::map<uint16_t, QByteArray> records;
    for (const PstProperty& p : properties) {
        QByteArray record;
        append16(record, p.id);
        append16(record, p.type);
        if (isInlineInPc(p.type)) {
            QByteArray value = p.data.left(4);
            value.resize(4, '\0');
            record.append(value);
        } else {
            append32(record, storeValue(m_ndb, heap, p, subnodes, nextLtpIndex));
        }
        records[p.id] = record;
    }
    QByteArray sorted;
    for (const auto& entry : records)
        sorted.append(entry.second);
    heap.setUserRoot(writeBth(heap, 2, 6, sorted));
    NodeImage image;
    image.bidData = m_ndb.writeBlocks(heap.takeBlocks());
    image.bidSub = m_ndb.writeSubnodeTree(subnodes);
    return image;
}

PstLtpWriter::NodeImage PstLtpWriter::writeTableContext(const std::vector<Column>& columns,
                                                        const std::vector<Row>& rows)
{
    return writeTableContext(columns, rows.size(), [&rows](size_t i) { return rows[i]; });
}

PstLtpWriter::NodeImage PstLtpWriter::writeTableContext(const std::vector<Column>& columns, size_t rowCount,
                                                        const std::function<Row(size_t)>& rowAt)
{
    PstHeapBuilder heap(kClientTc, m_ndb.heapBlockShift());
    std::vector<PstNdbWriter::SubnodeEntry> subnodes;
    uint32_t nextLtpIndex = 1;

    // Row layout: the row id first, then 8- and 4-byte cells, 2-byte, 1-byte, cell bitmap.
    std::vector<Column> ordered;
    ordered.push_back({0x67F2, PstProperty::Long});
    for (int size : {8, 4, 2, 1}) {
        for (const Column& c : columns) {
            if (c.id != 0x67F2 && tableCellSize(c.type) == size)
                ordered.push_back(c);
        }
    }
    std::map<uint16_t, int> offsetOf;
    std::map<uint16_t, int> bitOf;
    int offset = 0;
    int ends[3] = {};
    for (size_t i = 0; i < ordered.size(); ++i) {
        offsetOf[ordered[i].id] = offset;
        bitOf[ordered[i].id] = int(i);
        offset += tableCellSize(ordered[i].type);
        const int size = tableCellSize(ordered[i].type);
        if (size >= 4)
            ends[0] = offset;
        if (size >= 2)
            ends[1] = offset;
        ends[2] = offset;
    }
    ends[1] = std::max(ends[1], ends[0]);
    ends[2] = std::max(ends[2], ends[1]);
    const int bitmapSize = int((ordered.size() + 7) / 8);
    const int rowSize = ends[2] + bitmapSize;

    // Rows never straddle blocks: each block holds as many whole rows as fit.
    const size_t rowsPerBlock = PstNdbWriter::kMaxBlockData / size_t(rowSize);
    const bool inHeap = rowCount * size_t(rowSize) <= size_t(PstHeapBuilder::kMaxAllocation);
    std::vector<std::pair<uint64_t, uint64_t>> matrixBlocks;
    QByteArray matrix;
    std::vector<std::pair<uint32_t, uint32_t>> index;
    index.reserve(rowCount);
    for (size_t r = 0; r < rowCount; ++r) {
        const Row source = rowAt(r);
        QByteArray row(rowSize, '\0');
        put32(row.data(), source.rowId);
        row[ends[2] + 0] = char(0x80);
        for (const PstProperty& cell : source.cells) {
            if (cell.id == 0x67F2 || !offsetOf.count(cell.id))
                continue;
            const int at = offsetOf[cell.id];
            if (isFixedInTable(cell.type))
                std::memcpy(row.data() + at, cell.data.constData(), size_t(std::min<qsizetype>(cell.data.size(), tableCellSize(cell.type))));
            else
                put32(row.data() + at, storeValue(m_ndb, heap, cell, subnodes, nextLtpIndex));
            const int bit = bitOf[cell.id];
            row[ends[2] + bit / 8] = char(uint8_t(row[ends[2] + bit / 8]) | (0x80 >> (bit % 8)));
        }
        matrix.append(row);
        if (!inHeap && (size_t(matrix.size()) / size_t(rowSize) == rowsPerBlock || r + 1 == rowCount)) {
            matrixBlocks.emplace_back(m_ndb.writeBlock(matrix), uint64_t(matrix.size()));
            matrix.clear();
        }
        index.emplace_back(source.rowId, uint32_t(r));
    }
    std::sort(index.begin(), index.end());
    QByteArray indexRecords;
    indexRecords.reserve(qsizetype(index.size() * 8));
    for (const auto& entry : index) {
        append32(indexRecords, entry.first);
        append32(indexRecords, entry.second);
    }
    index.clear();
    index.shrink_to_fit();
    const uint32_t rowIndex = writeBth(heap, 4, 4, indexRecords);
    indexRecords.clear();

    uint32_t rowsRef = 0;
    if (inHeap && !matrix.isEmpty()) {
        rowsRef = heap.allocate(matrix);
    } else if (!matrixBlocks.empty()) {
        rowsRef = (nextLtpIndex++ << 5) | kNidTypeLtp;
        subnodes.push_back({rowsRef, m_ndb.writeTree(matrixBlocks), 0});
    }

    QByteArray info;
    append8(info, kClientTc);
    append8(info, uint8_t(ordered.size()));
    append16(info, uint16_t(ends[0]));
    append16(info, uint16_t(ends[1]));
    append16(info, uint16_t(ends[2]));
    append16(info, uint16_t(rowSize));
    append32(info, rowIndex);
    append32(info, rowsRef);
    append32(info, 0);
    std::vector<Column> byTag = ordered;
    std::sort(byTag.begin(), byTag.end(), [](const Column& a, const Column& b) {
        return ((uint32_t(a.id) << 16) | a.type) < ((uint32_t(b.id) << 16) | b.type);
    });
    for (const Column& c : byTag) {
        append32(info, (uint32_t(c.id) << 16) | c.type);
        append16(info, uint16_t(offsetOf[c.id]));
        append8(info, uint8_t(tableCellSize(c.type)));
        append8(info, uint8_t(bitOf[c.id]));
    }
    heap.setUserRoot(heap.allocate(info));
    NodeImage image;
    image.bidData = m_ndb.writeBlocks(heap.takeBlocks());
    image.bidSub = m_ndb.writeSubnodeTree(subnodes);
    return image;
}
