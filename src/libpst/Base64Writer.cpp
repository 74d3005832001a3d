// SPDX-License-Identifier: GPL-2.0-or-later
#include "Base64Writer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sys/types.h>

namespace {

const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// The room one line takes in the buffer: its characters and the line feed before it.
constexpr size_t kLineRoom = 80;

ssize_t writeToEncoder(void* cookie, const char* data, size_t size)
{
    static_cast<Base64Writer*>(cookie)->write(data, size);
    return ssize_t(size);
}

} // namespace

Base64Writer::Base64Writer(FILE* out)
    : m_out(out)
    , m_buffer(static_cast<char*>(malloc(kBufferSize)))
{
    if (!m_buffer)
        abort();
}

Base64Writer::~Base64Writer()
{
    flush();
    free(m_buffer);
}

FILE* Base64Writer::openStream(Base64Writer* writer)
{
    cookie_io_functions_t functions{};
    functions.write = &writeToEncoder;
    FILE* stream = fopencookie(writer, "w", functions);
    // Unbuffered: libpst's blocks reach the encoder as they are, without a copy.
    if (stream)
        setvbuf(stream, nullptr, _IONBF, 0);
    return stream;
}

void Base64Writer::write(const char* data, size_t size)
{
    const unsigned char* in = reinterpret_cast<const unsigned char*>(data);
    m_bytesIn += size;
    while (m_carried > 0 && m_carried < 3 && size > 0) {
        m_carry[m_carried++] = *in++;
        --size;
    }
    if (m_carried == 3) {
        putGroup(m_carry, 3);
        m_carried = 0;
    }
    const size_t groups = size / 3;
    encodeGroups(in, groups);
    in += groups * 3;
    size -= groups * 3;
    memcpy(m_carry + m_carried, in, size);
    m_carried += size;
}

void Base64Writer::finish()
{
    if (m_carried > 0)
        putGroup(m_carry, m_carried);
    m_carried = 0;
    flush();
}

void Base64Writer::encodeGroups(const unsigned char* in, size_t groups)
{
    while (groups > 0) {
        if (kBufferSize - m_used < kLineRoom)
            flush();
        if (m_column == kLineChars) {
            m_buffer[m_used++] = '\n';
            m_column = 0;
        }
        const size_t count = std::min(groups, (kLineChars - m_column) / 4);
        char* out = m_buffer + m_used;
        for (size_t i = 0; i < count; ++i, in += 3, out += 4) {
            const unsigned value = unsigned(in[0]) << 16 | unsigned(in[1]) << 8 | in[2];
            out[0] = kAlphabet[value >> 18];
            out[1] = kAlphabet[(value >> 12) & 63];
            out[2] = kAlphabet[(value >> 6) & 63];
            out[3] = kAlphabet[value & 63];
        }
        m_used += count * 4;
        m_column += count * 4;
        groups -= count;
    }
}

// The one group of one to three bytes; a short group is padded with "=".
void Base64Writer::putGroup(const unsigned char* group, size_t size)
{
    if (size == 3) {
        encodeGroups(group, 1);
        return;
    }
    unsigned char full[3] = {group[0], size > 1 ? group[1] : static_cast<unsigned char>(0), 0};
    encodeGroups(full, 1);
    m_buffer[m_used - 1] = '=';
    if (size == 1)
        m_buffer[m_used - 2] = '=';
}

void Base64Writer::flush()
{
    if (m_used > 0)
        fwrite(m_buffer, 1, m_used, m_out);
    m_used = 0;
}
