// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <vector>

// The node database layer of a Unicode PST file: blocks, data trees,
// sub-node trees, the node and block B-trees, the allocation maps and the
// header. Blocks go to disk as soon as they are made; only the B-tree
// entries stay in memory, so files of any size are written in bounded memory.
class PstNdbWriter
{
public:
    struct SubnodeEntry {
        uint32_t nid = 0;
        uint64_t bidData = 0;
        uint64_t bidSub = 0;
    };
    // Fills buffer with size bytes of a streamed value, starting at offset.
    using Generator = std::function<void(char* buffer, uint64_t offset, size_t size)>;

    static constexpr size_t kMaxBlockData = 8176;

    PstNdbWriter() = default;
    ~PstNdbWriter();
    PstNdbWriter(const PstNdbWriter&) = delete;
    PstNdbWriter& operator=(const PstNdbWriter&) = delete;

    // Creates the file; permute selects the "compressible" encoding of data
    // blocks. fourKPages writes the format of Outlook 2013 and later: 4 KB
    // B-tree pages and blocks stored zlib-compressed where that is smaller.
    bool open(const QString& path, bool permute, bool fourKPages = false);
    // How far up a heap id keeps its block index (3 bits further with 4 KB pages).
    int heapBlockShift() const { return m_fourKPages ? 19 : 16; }
    // Writes one value of any size: a single block, or a data tree over several.
    uint64_t writeData(const QByteArray& data);
    // Writes a value of size bytes produced piece by piece (never all in memory).
    uint64_t writeGenerated(uint64_t size, const Generator& generator);
    // Writes blocks that must stay separate (heap pages) under one data tree.
    uint64_t writeBlocks(const std::vector<QByteArray>& blocks);
    // Writes one block of at most kMaxBlockData bytes and returns its id.
    uint64_t writeBlock(const QByteArray& data) { return writeBlock(data.constData(), size_t(data.size()), false); }
    // Writes the data tree over blocks already written (id, size), or returns the only one.
    uint64_t writeTree(const std::vector<std::pair<uint64_t, uint64_t>>& blocks) { return writeTreeOver(blocks); }
    // Writes the sub-node tree of a node; returns 0 when entries is empty.
    uint64_t writeSubnodeTree(std::vector<SubnodeEntry> entries);
    // Records a node in the node B-tree.
    void addNode(uint32_t nid, uint64_t bidData, uint64_t bidSub, uint32_t parentNid);
    // The next free index of a node type, for the header's rgnid counters.
    void reserveNidIndex(uint32_t nidType, uint32_t nextIndex);
    // Writes the B-trees, allocation maps and header, and closes the file.
    bool finish();
    // Bytes written so far.
    uint64_t size() const { return m_cursor; }
    QString errorString() const { return m_error; }

private:
    struct BlockRecord {
        uint64_t bid;
        uint64_t ib;
        uint16_t cb;
        uint16_t cbInflated;
    };
    struct NodeRecord {
        uint32_t nid;
        uint64_t bidData;
        uint64_t bidSub;
        uint32_t parent;
    };
    struct PageRef {
        uint64_t key;
        uint64_t bid;
        uint64_t ib;
    };

    uint64_t nextBid(bool internal);
    uint64_t writeBlock(const char* data, size_t size, bool internal);
    uint64_t writeTreeOver(const std::vector<std::pair<uint64_t, uint64_t>>& leaves);
    uint64_t allocate(uint64_t size, uint64_t alignment);
    bool writeAt(uint64_t offset, const char* data, size_t size);
    bool padTo(uint64_t offset);
    // Writes a B-tree over count leaf entries, entry(i, out) packing the i-th.
    PageRef writeBtree(size_t count, const std::function<void(size_t, char*)>& entry, uint8_t pageType,
                       int leafEntrySize);
    PageRef writeBtPage(const char* entries, int count, int entrySize, int level, uint8_t pageType);
    void writeMapsAndHeader(uint64_t eof, const PageRef& nbt, const PageRef& bbt);
    void fail(const QString& why);

    std::FILE* m_file = nullptr;
    std::vector<char> m_buffer;
    bool m_permute = false;
    bool m_fourKPages = false;
    uint64_t m_cursor = 0;
    uint64_t m_nextBidCounter = 1;
    std::vector<BlockRecord> m_blocks;
    std::vector<NodeRecord> m_nodes;
    std::vector<std::pair<uint64_t, uint64_t>> m_gaps;
    uint32_t m_nidCounters[32] = {};
    QString m_error;
};
