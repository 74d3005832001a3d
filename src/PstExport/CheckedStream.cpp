// SPDX-License-Identifier: GPL-2.0-or-later
#include "CheckedStream.h"

#include <cerrno>
#include <unistd.h>

CheckedStream::CheckedStream(int fd)
    : m_fd(fd)
{
    cookie_io_functions_t functions{};
    functions.write = &CheckedStream::writeCookie;
    functions.close = &CheckedStream::closeCookie;
    if (m_fd >= 0)
        m_stream = fopencookie(this, "w", functions);
    if (m_stream) {
        m_buffer.reset(new char[kBufferSize]);
        setvbuf(m_stream, m_buffer.get(), _IOFBF, kBufferSize);
    }
    if (!m_stream)
        fail(m_fd >= 0 ? errno : EBADF);
}

CheckedStream::~CheckedStream()
{
    close();
}

bool CheckedStream::close()
{
    if (m_stream) {
        if (fclose(m_stream) != 0 && m_error == 0)
            fail(errno ? errno : EIO);
        m_stream = nullptr;
    } else if (m_fd >= 0) {
        closeCookie(this);
    }
    return m_error == 0;
}

QString CheckedStream::errorString() const
{
    return m_error ? qt_error_string(m_error) : QString();
}

void CheckedStream::fail(int error)
{
    if (m_error == 0)
        m_error = error;
}

ssize_t CheckedStream::writeCookie(void* cookie, const char* data, size_t size)
{
    auto* self = static_cast<CheckedStream*>(cookie);
    if (self->m_error)
        return -1;
    size_t done = 0;
    while (done < size) {
        const ssize_t written = ::write(self->m_fd, data + done, size - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            self->fail(written < 0 ? errno : ENOSPC);
            return -1;
        }
        done += size_t(written);
    }
    return ssize_t(size);
}

int CheckedStream::closeCookie(void* cookie)
{
    auto* self = static_cast<CheckedStream*>(cookie);
    const int fd = self->m_fd;
    self->m_fd = -1;
    if (fd >= 0 && ::close(fd) != 0 && errno != EINTR) {
        self->fail(errno);
        return -1;
    }
    return 0;
}
