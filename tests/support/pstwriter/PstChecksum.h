// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>

// The checksums and the byte encoding that PST files use.
class PstChecksum
{
public:
    // CRC-32 of a PST header, page or block: reflected polynomial 0xEDB88320,
    // seeded with 0 and without the final inversion.
    static uint32_t crc(const void* data, size_t size, uint32_t seed = 0);
    // The 16-bit signature of a page or block at file offset ib with id bid.
    static uint16_t signature(uint64_t ib, uint64_t bid);
    // Applies the "compressible" permutation (bCryptMethod 1) in place.
    static void permute(unsigned char* data, size_t size);
};
