// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <cstdio>
#include <memory>

// A stdio stream over an open file descriptor that remembers why writing
// failed. The writers print through stdio and do not look at what each call
// returns; this stream keeps the first error (a full disk, a quota, an I/O
// error) so that whoever closes it knows the file is not whole, and why.
// After a failure the stream takes no more bytes.
class CheckedStream
{
public:
    // Takes over `fd` (closed with the stream).
    explicit CheckedStream(int fd);
    // Closes the stream if close() was not called.
    ~CheckedStream();
    CheckedStream(const CheckedStream&) = delete;
    CheckedStream& operator=(const CheckedStream&) = delete;

    // The stream to write to; null when it could not be made.
    FILE* stream() const { return m_stream; }
    // The descriptor, until the stream is closed.
    int fd() const { return m_fd; }
    // Flushes and closes; false when any byte did not reach the file or
    // closing failed.
    bool close();
    // Why writing failed ("" while nothing failed).
    QString errorString() const;

private:
    static ssize_t writeCookie(void* cookie, const char* data, size_t size);
    static int closeCookie(void* cookie);
    void fail(int error);

    // A message goes to the file in one or two writes rather than one per
    // 8 KB (stdio's own buffer size for such streams).
    static constexpr size_t kBufferSize = 64 * 1024;

    int m_fd = -1;
    std::unique_ptr<char[]> m_buffer;
    FILE* m_stream = nullptr;
    int m_error = 0;
};
