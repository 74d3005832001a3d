// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstHeapBuilder.h"

#include "PstBytes.h"
#include "PstNdbWriter.h"

using namespace PstBytes;

namespace {

constexpr uint8_t kHeapSignature = 0xEC;

// The fill level nibble the heap header records for a block with free bytes left.
uint8_t fillLevel(int freeBytes)
{
    static const int limits[] = {3584, 2560, 2048, 1792, 1536, 1280, 1024, 768, 512, 256, 128, 64, 32, 16, 8};
    for (int level = 0; level < 15; ++level) {
        if (freeBytes >= limits[level])
            return uint8_t(level);
    }
    return 15;
}

bool isBitmapPage(size_t index) { return index >= 8 && (index - 8) % 128 == 0; }

} // namespace

PstHeapBuilder::PstHeapBuilder(uint8_t clientSignature, int blockShift)
    : m_clientSignature(clientSignature), m_blockShift(blockShift)
{
}

int PstHeapBuilder::headerSize(size_t pageIndex)
{
    if (pageIndex == 0)
        return 12;
    return isBitmapPage(pageIndex) ? 66 : 2;
}

bool PstHeapBuilder::fits(const Page& page, int extra)
{
    const int mapStart = int(alignUp(uint64_t(page.data.size() + extra), 2));
    const int mapSize = 4 + 2 * (int(page.offsets.size()) + 2);
    return mapStart + mapSize <= int(PstNdbWriter::kMaxBlockData);
}

uint32_t PstHeapBuilder::allocate(const QByteArray& data)
{
    if (m_pages.empty() || !fits(m_pages.back(), int(data.size()))) {
        Page page;
        page.data = QByteArray(headerSize(m_pages.size()), '\0');
        m_pages.push_back(page);
    }
    Page& page = m_pages.back();
    page.offsets.push_back(int(page.data.size()));
    page.data.append(data);
    const uint32_t index = uint32_t(page.offsets.size());
    return (uint32_t(m_pages.size() - 1) << m_blockShift) | (index << 5);
}

std::vector<QByteArray> PstHeapBuilder::takeBlocks()
{
    std::vector<QByteArray> out;
    std::vector<uint8_t> levels;
    for (Page& page : m_pages) {
        QByteArray block = std::move(page.data);
        const int end = int(block.size());
        if (block.size() % 2)
            block.append('\0');
        const int mapStart = int(block.size());
        append16(block, uint16_t(page.offsets.size()));
        append16(block, 0);
        for (int offset : page.offsets)
            append16(block, uint16_t(offset));
        append16(block, uint16_t(end));
        put16(block.data(), uint16_t(mapStart));
        levels.push_back(fillLevel(int(PstNdbWriter::kMaxBlockData) - int(block.size())));
        out.push_back(std::move(block));
    }
    m_pages.clear();
    if (out.empty())
        return out;
    QByteArray& first = out.front();
    first[2] = char(kHeapSignature);
    first[3] = char(m_clientSignature);
    put32(first.data() + 4, m_userRoot);
    for (size_t i = 0; i < 8 && i < levels.size(); ++i)
        first[8 + int(i / 2)] = char(uint8_t(first[8 + int(i / 2)]) | (levels[i] << (4 * (i % 2))));
    for (size_t b = 8; b < out.size(); b += 128) {
        for (size_t i = b; i < b + 128 && i < levels.size(); ++i) {
            const int at = 2 + int((i - b) / 2);
            out[b][at] = char(uint8_t(out[b][at]) | (levels[i] << (4 * ((i - b) % 2))));
        }
    }
    return out;
}
