// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstNdbWriter.h"

#include "PstBytes.h"
#include "PstChecksum.h"

#include <QFile>

#include <zlib.h>

#include <algorithm>
#include <cstring>

using namespace PstBytes;

namespace {

constexpr uint64_t kPageSize = 512;
constexpr uint64_t kFirstAMap = 0x4400;
constexpr uint64_t kDListOffset = 0x4200;
constexpr uint64_t kAMapCoverage = 496 * 8 * 64; // bytes mapped by one AMap page
constexpr int kPMapEvery = 8;                    // one PMap after every 8th AMap
// The header's map covers the first 128 AMaps; from then on every 496th
// region carries an FMap page (one byte per AMap) after its AMap and PMap.
constexpr uint64_t kFirstFMapRegion = 128;
constexpr uint64_t kAMapsPerFMap = 496;
// Likewise the header's page map covers the first 1024 PMaps (8192 AMaps);
// then every 3968th PMap's region carries an FPMap page, fourth in the region.
constexpr uint64_t kFirstFPMapRegion = 8192;
constexpr uint64_t kAMapsPerFPMap = 496 * 8 * kPMapEvery;
constexpr size_t kMaxBidsPerXBlock = (PstNdbWriter::kMaxBlockData - 8) / 8;
constexpr size_t kMaxSlEntries = (PstNdbWriter::kMaxBlockData - 8) / 24;
constexpr size_t kMaxSiEntries = (PstNdbWriter::kMaxBlockData - 8) / 16;
constexpr int kBtEntryArea = 488;
// 4 KB pages: the entries, then two-byte counts, entry size and level, and
// the trailer with the page's block id at 0xFF0.
constexpr uint64_t kFourKPageSize = 4096;
constexpr int kFourKBtEntryArea = 0xFD8;

constexpr uint8_t kPageFMap = 0x82;
constexpr uint8_t kPageFPMap = 0x85;
constexpr uint8_t kPageBbt = 0x80;
constexpr uint8_t kPageNbt = 0x81;
constexpr uint8_t kPagePMap = 0x83;
constexpr uint8_t kPageAMap = 0x84;
constexpr uint8_t kPageDList = 0x86;

uint64_t regionStart(uint64_t region) { return kFirstAMap + region * kAMapCoverage; }

bool hasPMap(uint64_t region) { return region % kPMapEvery == 0; }

bool hasFMap(uint64_t region)
{
    return region >= kFirstFMapRegion && (region - kFirstFMapRegion) % kAMapsPerFMap == 0;
}

bool hasFPMap(uint64_t region)
{
    return region >= kFirstFPMapRegion && (region - kFirstFPMapRegion) % kAMapsPerFPMap == 0;
}

// Bytes at the start of a region that hold its map pages.
uint64_t reservedBytes(uint64_t region)
{
    if (hasFPMap(region))
        return 4 * kPageSize;
    return kPageSize * (1 + (hasPMap(region) ? 1 : 0) + (hasFMap(region) ? 1 : 0));
}

void fillTrailer(char* page, uint8_t type, uint16_t signature, uint64_t bid)
{
    page[496] = char(type);
    page[497] = char(type);
    put16(page + 498, signature);
    put32(page + 500, PstChecksum::crc(page, 496));
    put64(page + 504, bid);
}

} // namespace

PstNdbWriter::~PstNdbWriter()
{
    if (m_file)
        std::fclose(m_file);
}

bool PstNdbWriter::open(const QString& path, bool permute, bool fourKPages)
{
    m_permute = permute;
    m_fourKPages = fourKPages;
    m_file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!m_file) {
        fail(QStringLiteral("cannot create %1").arg(path));
        return false;
    }
    m_buffer.resize(1 << 20);
    std::setvbuf(m_file, m_buffer.data(), _IOFBF, m_buffer.size());
    // Nodes of these types are numbered from the values a new store starts with.
    for (uint32_t& counter : m_nidCounters)
        counter = 0x400;
    m_nidCounters[4] = 0x4000;
    m_nidCounters[8] = 0x8000;
    m_cursor = 0;
    return padTo(kFirstAMap);
}

void PstNdbWriter::fail(const QString& why)
{
    if (m_error.isEmpty())
        m_error = why;
}

uint64_t PstNdbWriter::nextBid(bool internal)
{
    const uint64_t bid = (m_nextBidCounter++ << 2) | (internal ? 2 : 0);
    return bid;
}

bool PstNdbWriter::padTo(uint64_t offset)
{
    static const char zeros[4096] = {};
    while (m_cursor < offset) {
        const size_t n = size_t(std::min<uint64_t>(sizeof zeros, offset - m_cursor));
        if (std::fwrite(zeros, 1, n, m_file) != n) {
            fail(QStringLiteral("write failed"));
            return false;
        }
        m_cursor += n;
    }
    return true;
}

uint64_t PstNdbWriter::allocate(uint64_t size, uint64_t alignment)
{
    uint64_t pos = alignUp(m_cursor, alignment);
    for (;;) {
        const uint64_t region = (pos - kFirstAMap) / kAMapCoverage;
        const uint64_t start = regionStart(region);
        if (pos < start + reservedBytes(region))
            pos = alignUp(start + reservedBytes(region), alignment);
        if (pos + size <= start + kAMapCoverage)
            break;
        pos = start + kAMapCoverage;
    }
    // Space skipped over stays free; the map pages themselves are written at the end.
    uint64_t gapStart = m_cursor;
    const uint64_t firstRegion = (gapStart - kFirstAMap) / kAMapCoverage;
    for (uint64_t region = firstRegion; gapStart < pos; ++region) {
        const uint64_t start = regionStart(region);
        const uint64_t dataStart = start + reservedBytes(region);
        const uint64_t from = std::max(gapStart, dataStart);
        const uint64_t to = std::min(pos, start + kAMapCoverage);
        if (from < to)
            m_gaps.emplace_back(from, to);
        gapStart = start + kAMapCoverage;
    }
    return pos;
}

bool PstNdbWriter::writeAt(uint64_t offset, const char* data, size_t size)
{
    if (!padTo(offset))
        return false;
    if (std::fwrite(data, 1, size, m_file) != size) {
        fail(QStringLiteral("write failed"));
        return false;
    }
    m_cursor += size;
    return true;
}

uint64_t PstNdbWriter::writeBlock(const char* data, size_t size, bool internal)
{
    const uint64_t bid = nextBid(internal);
    char block[8192] = {};
    std::memcpy(block, data, size);
    if (m_permute && !internal)
        PstChecksum::permute(reinterpret_cast<unsigned char*>(block), size);
    const size_t inflated = size;
    if (m_fourKPages) {
        // Readers inflate first, then decode: compress the encoded bytes.
        char packed[8192 + 64];
        uLongf packedSize = sizeof packed;
        if (compress2(reinterpret_cast<Bytef*>(packed), &packedSize, reinterpret_cast<const Bytef*>(block), uLong(size),
                      Z_BEST_COMPRESSION) == Z_OK && packedSize < size) {
            std::memset(block, 0, sizeof block);
            std::memcpy(block, packed, packedSize);
            size = packedSize;
        }
    }
    const uint64_t total = alignUp(size + 16, 64);
    const uint64_t ib = allocate(total, 64);
    char* trailer = block + total - 16;
    put16(trailer, uint16_t(size));
    put16(trailer + 2, PstChecksum::signature(ib, bid));
    put32(trailer + 4, PstChecksum::crc(block, size));
    put64(trailer + 8, bid);
    writeAt(ib, block, size_t(total));
    m_blocks.push_back({bid, ib, uint16_t(size), uint16_t(inflated)});
    return bid;
}

uint64_t PstNdbWriter::writeTreeOver(const std::vector<std::pair<uint64_t, uint64_t>>& leaves)
{
    if (leaves.size() == 1)
        return leaves.front().first;
    auto makeXBlock = [this](uint8_t level, const std::vector<std::pair<uint64_t, uint64_t>>& children,
                             size_t from, size_t to) {
        uint64_t total = 0;
        for (size_t i = from; i < to; ++i)
            total += children[i].second;
        QByteArray x;
        append8(x, 0x01);
        append8(x, level);
        append16(x, uint16_t(to - from));
        append32(x, uint32_t(total));
        for (size_t i = from; i < to; ++i)
            append64(x, children[i].first);
        return std::make_pair(writeBlock(x.constData(), size_t(x.size()), true), total);
    };
    if (leaves.size() <= kMaxBidsPerXBlock)
        return makeXBlock(1, leaves, 0, leaves.size()).first;
    std::vector<std::pair<uint64_t, uint64_t>> xblocks;
    for (size_t i = 0; i < leaves.size(); i += kMaxBidsPerXBlock)
        xblocks.push_back(makeXBlock(1, leaves, i, std::min(leaves.size(), i + kMaxBidsPerXBlock)));
    if (xblocks.size() > kMaxBidsPerXBlock) {
        fail(QStringLiteral("value too large for a PST data tree"));
        return 0;
    }
    return makeXBlock(2, xblocks, 0, xblocks.size()).first;
}

uint64_t PstNdbWriter::writeData(const QByteArray& data)
{
    std::vector<std::pair<uint64_t, uint64_t>> leaves;
    for (qsizetype at = 0; at < data.size() || leaves.empty(); at += qsizetype(kMaxBlockData)) {
        const size_t n = size_t(std::min<qsizetype>(qsizetype(kMaxBlockData), data.size() - at));
        leaves.emplace_back(writeBlock(data.constData() + at, n, false), n);
    }
    return writeTreeOver(leaves);
}

uint64_t PstNdbWriter::writeGenerated(uint64_t size, const Generator& generator)
{
    std::vector<std::pair<uint64_t, uint64_t>> leaves;
    std::vector<char> chunk(kMaxBlockData);
    for (uint64_t at = 0; at < size || leaves.empty(); at += kMaxBlockData) {
        const size_t n = size_t(std::min<uint64_t>(kMaxBlockData, size - at));
        generator(chunk.data(), at, n);
        leaves.emplace_back(writeBlock(chunk.data(), n, false), n);
    }
    return writeTreeOver(leaves);
}

uint64_t PstNdbWriter::writeBlocks(const std::vector<QByteArray>& blocks)
{
    std::vector<std::pair<uint64_t, uint64_t>> leaves;
    for (const QByteArray& block : blocks)
        leaves.emplace_back(writeBlock(block.constData(), size_t(block.size()), false), uint64_t(block.size()));
    return writeTreeOver(leaves);
}

uint64_t PstNdbWriter::writeSubnodeTree(std::vector<SubnodeEntry> entries)
{
    if (entries.empty())
        return 0;
    std::sort(entries.begin(), entries.end(),
              [](const SubnodeEntry& a, const SubnodeEntry& b) { return a.nid < b.nid; });
    std::vector<std::pair<uint32_t, uint64_t>> leaves; // first nid, SLBLOCK bid
    for (size_t i = 0; i < entries.size(); i += kMaxSlEntries) {
        const size_t end = std::min(entries.size(), i + kMaxSlEntries);
        QByteArray sl;
        append8(sl, 0x02);
        append8(sl, 0);
        append16(sl, uint16_t(end - i));
        append32(sl, 0);
        for (size_t k = i; k < end; ++k) {
            append64(sl, entries[k].nid);
            append64(sl, entries[k].bidData);
            append64(sl, entries[k].bidSub);
        }
        leaves.emplace_back(entries[i].nid, writeBlock(sl.constData(), size_t(sl.size()), true));
    }
    if (leaves.size() == 1)
        return leaves.front().second;
    if (leaves.size() > kMaxSiEntries) {
        fail(QStringLiteral("too many sub-nodes"));
        return 0;
    }
    QByteArray si;
    append8(si, 0x02);
    append8(si, 1);
    append16(si, uint16_t(leaves.size()));
    append32(si, 0);
    for (const auto& leaf : leaves) {
        append64(si, leaf.first);
        append64(si, leaf.second);
    }
    return writeBlock(si.constData(), size_t(si.size()), true);
}

void PstNdbWriter::addNode(uint32_t nid, uint64_t bidData, uint64_t bidSub, uint32_t parentNid)
{
    m_nodes.push_back({nid, bidData, bidSub, parentNid});
    const uint32_t type = nid & 0x1F;
    m_nidCounters[type] = std::max(m_nidCounters[type], (nid >> 5) + 1);
}

void PstNdbWriter::reserveNidIndex(uint32_t nidType, uint32_t nextIndex)
{
    m_nidCounters[nidType & 0x1F] = std::max(m_nidCounters[nidType & 0x1F], nextIndex);
}

PstNdbWriter::PageRef PstNdbWriter::writeBtPage(const char* entries, int count, int entrySize, int level,
                                                uint8_t pageType)
{
    char page[kFourKPageSize] = {};
    std::memcpy(page, entries, size_t(count * entrySize));
    const uint64_t pageSize = m_fourKPages ? kFourKPageSize : kPageSize;
    const uint64_t ib = allocate(pageSize, pageSize);
    const uint64_t bid = nextBid(false);
    if (m_fourKPages) {
        put16(page + kFourKBtEntryArea, uint16_t(count));
        put16(page + kFourKBtEntryArea + 2, uint16_t(kFourKBtEntryArea / entrySize));
        page[kFourKBtEntryArea + 4] = char(entrySize);
        page[kFourKBtEntryArea + 5] = char(level);
        char* trailer = page + 0xFE8;
        trailer[0] = char(pageType);
        trailer[1] = char(pageType);
        put16(trailer + 2, PstChecksum::signature(ib, bid));
        put32(trailer + 4, PstChecksum::crc(page, 0xFE8));
        put64(trailer + 8, bid);
    } else {
        page[488] = char(count);
        page[489] = char(kBtEntryArea / entrySize);
        page[490] = char(entrySize);
        page[491] = char(level);
        fillTrailer(page, pageType, PstChecksum::signature(ib, bid), bid);
    }
    writeAt(ib, page, size_t(pageSize));
    uint64_t firstKey = 0;
    std::memcpy(&firstKey, entries, 8);
    return {firstKey, bid, ib};
}

PstNdbWriter::PageRef PstNdbWriter::writeBtree(size_t count, const std::function<void(size_t, char*)>& entry,
                                               uint8_t pageType, int leafEntrySize)
{
    const int entryArea = m_fourKPages ? kFourKBtEntryArea : kBtEntryArea;
    const size_t perLeaf = size_t(entryArea / leafEntrySize);
    std::vector<PageRef> level;
    char entries[kFourKBtEntryArea];
    for (size_t i = 0; i < count; i += perLeaf) {
        const size_t end = std::min(count, i + perLeaf);
        for (size_t k = i; k < end; ++k)
            entry(k, entries + (k - i) * size_t(leafEntrySize));
        level.push_back(writeBtPage(entries, int(end - i), leafEntrySize, 0, pageType));
    }
    int depth = 0;
    const size_t perBranch = size_t(entryArea / 24);
    while (level.size() > 1) {
        ++depth;
        std::vector<PageRef> upper;
        for (size_t i = 0; i < level.size(); i += perBranch) {
            const size_t end = std::min(level.size(), i + perBranch);
            for (size_t k = i; k < end; ++k) {
                char* at = entries + (k - i) * 24;
                put64(at, level[k].key);
                put64(at + 8, level[k].bid);
                put64(at + 16, level[k].ib);
            }
            upper.push_back(writeBtPage(entries, int(end - i), 24, depth, pageType));
        }
        level.swap(upper);
    }
    return level.front();
}

bool PstNdbWriter::finish()
{
    if (!m_file)
        return false;
    std::sort(m_nodes.begin(), m_nodes.end(),
              [](const NodeRecord& a, const NodeRecord& b) { return a.nid < b.nid; });
    const std::vector<NodeRecord> nodes = std::move(m_nodes);
    const PageRef nbt = writeBtree(nodes.size(), [&nodes](size_t i, char* at) {
        std::memset(at, 0, 32);
        put64(at, nodes[i].nid);
        put64(at + 8, nodes[i].bidData);
        put64(at + 16, nodes[i].bidSub);
        put32(at + 24, nodes[i].parent);
    }, kPageNbt, 32);
    // Block ids are handed out in increasing order, so the blocks are already sorted;
    // the pages written now get ids past every block.
    const std::vector<BlockRecord> blocks = std::move(m_blocks);
    const bool fourKPages = m_fourKPages;
    const PageRef bbt = writeBtree(blocks.size(), [&blocks, fourKPages](size_t i, char* at) {
        std::memset(at, 0, 24);
        put64(at, blocks[i].bid);
        put64(at + 8, blocks[i].ib);
        put16(at + 16, blocks[i].cb);
        // 4 KB pages keep the inflated size before the reference count.
        if (fourKPages)
            put16(at + 18, blocks[i].cbInflated);
        put16(at + (fourKPages ? 20 : 18), 2);
    }, kPageBbt, 24);
    const uint64_t lastRegion = (m_cursor - 1 - kFirstAMap) / kAMapCoverage;
    const uint64_t eof = regionStart(lastRegion + 1);
    if (m_cursor < eof)
        m_gaps.emplace_back(m_cursor, eof);
    padTo(eof);
    writeMapsAndHeader(eof, nbt, bbt);
    const bool ok = std::fclose(m_file) == 0 && m_error.isEmpty();
    m_file = nullptr;
    return ok;
}

void PstNdbWriter::writeMapsAndHeader(uint64_t eof, const PageRef& nbt, const PageRef& bbt)
{
    std::fflush(m_file);
    const uint64_t regions = (eof - kFirstAMap) / kAMapCoverage;
    std::sort(m_gaps.begin(), m_gaps.end());
    size_t gapIndex = 0;
    uint64_t freeBytes = 0;
    std::vector<uint8_t> longestFreeRun(regions, 0);
    for (uint64_t region = 0; region < regions; ++region) {
        const uint64_t start = regionStart(region);
        char page[kPageSize];
        std::memset(page, 0xFF, 496);
        std::memset(page + 496, 0, 16);
        while (gapIndex < m_gaps.size() && m_gaps[gapIndex].first < start + kAMapCoverage) {
            const auto& gap = m_gaps[gapIndex];
            for (uint64_t at = gap.first; at < gap.second; at += 64) {
                const uint64_t bit = (at - start) / 64;
                page[bit / 8] = char(page[bit / 8] & ~(0x80 >> (bit % 8)));
                freeBytes += 64;
            }
            ++gapIndex;
        }
        int run = 0;
        int longest = 0;
        for (int bit = 0; bit < 496 * 8; ++bit) {
            run = (page[bit / 8] & (0x80 >> (bit % 8))) ? 0 : run + 1;
            longest = std::max(longest, run);
        }
        longestFreeRun[region] = uint8_t(std::min(longest, 255));
        fillTrailer(page, kPageAMap, 0, start);
        std::fseek(m_file, long(start), SEEK_SET);
        std::fwrite(page, 1, kPageSize, m_file);
        if (region % kPMapEvery == 0) {
            // Page maps are no longer consulted; every page is shown as in use.
            std::memset(page, 0xFF, 496);
            std::memset(page + 496, 0, 16);
            fillTrailer(page, kPagePMap, 0, start + kPageSize);
            std::fwrite(page, 1, kPageSize, m_file);
        }
    }
    for (uint64_t region = kFirstFPMapRegion; region < regions; region += kAMapsPerFPMap) {
        // Every page map shows its pages in use, so no page map has free pages.
        char page[kPageSize] = {};
        const uint64_t at = regionStart(region) + 3 * kPageSize;
        fillTrailer(page, kPageFPMap, 0, at);
        std::fseek(m_file, long(at), SEEK_SET);
        std::fwrite(page, 1, kPageSize, m_file);
    }
    for (uint64_t region = kFirstFMapRegion; region < regions; region += kAMapsPerFMap) {
        char page[kPageSize] = {};
        for (uint64_t i = 0; i < kAMapsPerFMap && region + i < regions; ++i)
            page[i] = char(longestFreeRun[region + i]);
        const uint64_t at = regionStart(region) + 2 * kPageSize;
        fillTrailer(page, kPageFMap, 0, at);
        std::fseek(m_file, long(at), SEEK_SET);
        std::fwrite(page, 1, kPageSize, m_file);
    }

    char dlist[kPageSize] = {};
    fillTrailer(dlist, kPageDList, 0, kDListOffset);
    std::fseek(m_file, long(kDListOffset), SEEK_SET);
    std::fwrite(dlist, 1, kPageSize, m_file);

    char header[564] = {};
    std::memcpy(header, "!BDN", 4);
    put16(header + 8, 0x4D53);       // wMagicClient
    put16(header + 10, m_fourKPages ? 36 : 23); // wVer: Unicode, or with 4 KB pages
    put16(header + 12, 19);          // wVerClient
    header[14] = 1;                  // bPlatformCreate
    header[15] = 1;                  // bPlatformAccess
    put64(header + 32, m_nextBidCounter << 2); // bidNextP
    put32(header + 40, 1);                      // dwUnique
    for (int type = 0; type < 32; ++type)
        put32(header + 44 + 4 * type, m_nidCounters[type]);
    char* root = header + 180;
    put64(root + 4, eof);
    put64(root + 12, regionStart(regions - 1));
    put64(root + 20, freeBytes);
    put64(root + 28, 0);
    put64(root + 36, nbt.bid);
    put64(root + 44, nbt.ib);
    put64(root + 52, bbt.bid);
    put64(root + 60, bbt.ib);
    root[68] = 0x02; // fAMapValid: VALID_AMAP2
    std::memset(header + 256, 0xFF, 256); // rgbFM and rgbFP are no longer used
    header[512] = char(0x80);             // bSentinel
    header[513] = m_permute ? 1 : 0;      // bCryptMethod
    put64(header + 516, m_nextBidCounter << 2); // bidNextB
    put32(header + 4, PstChecksum::crc(header + 8, 471));
    put32(header + 524, PstChecksum::crc(header + 8, 516));
    std::fseek(m_file, 0, SEEK_SET);
    std::fwrite(header, 1, sizeof header, m_file);
}
