// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

// Builds a heap-on-node: allocations of up to 3580 bytes packed into blocks,
// each block ending in its page map. The result is the list of blocks of the
// node's data tree.
class PstHeapBuilder
{
public:
    static constexpr int kMaxAllocation = 3580;

    // blockShift: where heap ids keep their block index (PstNdbWriter::heapBlockShift()).
    explicit PstHeapBuilder(uint8_t clientSignature, int blockShift = 16);
    // Stores data and returns its heap id (HID).
    uint32_t allocate(const QByteArray& data);
    // The heap id the heap's client starts from (BTH, PC or TC header).
    void setUserRoot(uint32_t hid) { m_userRoot = hid; }
    // Finishes the heap and hands over its blocks, first one carrying the heap header.
    std::vector<QByteArray> takeBlocks();

private:
    struct Page {
        QByteArray data;            // header followed by the allocations
        std::vector<int> offsets;   // start of every allocation
    };
    static int headerSize(size_t pageIndex);
    static bool fits(const Page& page, int extra);

    uint8_t m_clientSignature;
    int m_blockShift;
    uint32_t m_userRoot = 0;
    std::vector<Page> m_pages;
};
