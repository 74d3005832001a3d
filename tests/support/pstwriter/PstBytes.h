// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>

#include <cstdint>
#include <cstring>

// Little-endian packing used by every layer of the PST writer.
namespace PstBytes {

inline void put16(char* at, uint16_t v) { at[0] = char(v); at[1] = char(v >> 8); }
inline void put32(char* at, uint32_t v) { for (int i = 0; i < 4; ++i) at[i] = char(v >> (8 * i)); }
inline void put64(char* at, uint64_t v) { for (int i = 0; i < 8; ++i) at[i] = char(v >> (8 * i)); }

inline void append8(QByteArray& out, uint8_t v) { out.append(char(v)); }
inline void append16(QByteArray& out, uint16_t v) { char b[2]; put16(b, v); out.append(b, 2); }
inline void append32(QByteArray& out, uint32_t v) { char b[4]; put32(b, v); out.append(b, 4); }
inline void append64(QByteArray& out, uint64_t v) { char b[8]; put64(b, v); out.append(b, 8); }

inline uint64_t alignUp(uint64_t value, uint64_t alignment)
{
    return (value + alignment - 1) / alignment * alignment;
}

} // namespace PstBytes
