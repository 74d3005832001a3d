// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <cstddef>
#include <cstdio>

// Streams bytes to a stdio stream as base64 in lines of 76 characters joined
// by line feeds, with no line feed after the last line (the form libpst's
// base64 encoder gives, which the writers' output keeps). Bytes may come in
// blocks of any size; memory stays one output buffer whatever the total.
class Base64Writer
{
public:
    explicit Base64Writer(FILE* out);
    // Writes what is still buffered (finish() first to end the data).
    ~Base64Writer();
    Base64Writer(const Base64Writer&) = delete;
    Base64Writer& operator=(const Base64Writer&) = delete;

    void write(const char* data, size_t size);
    // Pads the last group and passes every byte on to the stream.
    void finish();
    // The bytes taken so far.
    size_t bytesIn() const { return m_bytesIn; }

    // A stdio stream whose bytes go to `writer` (null when it could not be
    // made); for readers that write to a FILE*, such as libpst's attachment
    // reader. Closing it leaves the writer unfinished.
    static FILE* openStream(Base64Writer* writer);

private:
    static constexpr size_t kLineChars = 76;
    static constexpr size_t kBufferSize = 64 * 1024;

    void encodeGroups(const unsigned char* in, size_t groups);
    void putGroup(const unsigned char* group, size_t size);
    void flush();

    FILE* m_out;
    char* m_buffer;
    size_t m_used = 0;
    size_t m_column = 0;
    unsigned char m_carry[3] = {};
    size_t m_carried = 0;
    size_t m_bytesIn = 0;
};
