// SPDX-License-Identifier: GPL-2.0-or-later
#include "PinnedFile.h"

#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>

namespace {

// As much as a stream over a local file reads at once.
constexpr size_t kBufferSize = 4096;
// What one pin keeps at most. An item's structures, bodies and checked
// values stay far below; past it only the contents of large attachments
// are read, once each, as libpst streams them out: those are not kept, so
// memory stays flat.
constexpr qint64 kMaxPinnedBytes = 64 * 1024 * 1024;

// One open file as libpst reads it through the stream.
struct Stream
{
    FILE* original = nullptr; // owns the descriptor
    const FILE* replacement = nullptr; // the stream libpst reads
    int descriptor = -1;
    off64_t position = 0;
    QMutex mutex;
    int pinDepth = 0;
    // The ranges read while pinned, by their offset.
    std::map<quint64, QByteArray> pins;
    qint64 pinnedBytes = 0;
};

// The registry outlives every file: one closed while the program exits
// (by a thread still finishing, or another static's destructor) must not
// find it destroyed already.
QMutex& registryLock()
{
    static auto* mutex = new QMutex;
    return *mutex;
}

// The streams put in place, by the FILE* libpst holds.
QHash<const FILE*, Stream*>& streams()
{
    static auto* all = new QHash<const FILE*, Stream*>;
    return *all;
}

PinnedFile::ReadHook& readHook()
{
    static PinnedFile::ReadHook hook;
    return hook;
}

Stream* streamOf(const pst_file* file)
{
    if (!file || !file->fp)
        return nullptr;
    const QMutexLocker locker(&registryLock());
    return streams().value(file->fp, nullptr);
}

ssize_t readFromFile(const Stream& stream, quint64 offset, char* buffer, size_t size)
{
    if (const PinnedFile::ReadHook& hook = readHook())
        hook(offset, size);
    size_t done = 0;
    while (done < size) {
        const ssize_t got = ::pread(stream.descriptor, buffer + done, size - done, off_t(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return done > 0 ? ssize_t(done) : -1;
        if (got == 0)
            break;
        done += size_t(got);
    }
    return ssize_t(done);
}

// Reads through the pins: the parts of the range read before while pinned
// come from memory, the others from the file, and are kept in turn. The
// kept ranges never overlap, so a byte reads the same however the ranges
// asked for cut across it.
ssize_t readPinned(Stream& stream, quint64 offset, char* buffer, size_t size)
{
    size_t done = 0;
    while (done < size) {
        const quint64 at = offset + done;
        const auto next = stream.pins.upper_bound(at);
        if (next != stream.pins.begin()) {
            const auto kept = std::prev(next);
            const quint64 keptEnd = kept->first + quint64(kept->second.size());
            if (at < keptEnd) {
                const size_t count = size_t(qMin<quint64>(size - done, keptEnd - at));
                std::memcpy(buffer + done, kept->second.constData() + (at - kept->first), count);
                done += count;
                continue;
            }
        }
        size_t gap = size - done;
        if (next != stream.pins.end())
            gap = size_t(qMin<quint64>(gap, next->first - at));
        const ssize_t got = readFromFile(stream, at, buffer + done, gap);
        if (got <= 0)
            return done > 0 ? ssize_t(done) : got;
        if (stream.pinnedBytes + got <= kMaxPinnedBytes) {
            stream.pins.emplace(at, QByteArray(buffer + done, qsizetype(got)));
            stream.pinnedBytes += got;
        }
        done += size_t(got);
        if (size_t(got) < gap)
            break; // the end of the file
    }
    return ssize_t(done);
}

ssize_t readAt(Stream& stream, quint64 offset, char* buffer, size_t size)
{
    const QMutexLocker locker(&stream.mutex);
    return stream.pinDepth == 0 ? readFromFile(stream, offset, buffer, size)
                                : readPinned(stream, offset, buffer, size);
}

ssize_t cookieRead(void* cookie, char* buffer, size_t size)
{
    auto* stream = static_cast<Stream*>(cookie);
    const ssize_t got = readAt(*stream, quint64(stream->position), buffer, size);
    if (got > 0)
        stream->position += got;
    return got;
}

int cookieSeek(void* cookie, off64_t* offset, int whence)
{
    auto* stream = static_cast<Stream*>(cookie);
    off64_t base = 0;
    if (whence == SEEK_CUR) {
        base = stream->position;
    } else if (whence == SEEK_END) {
        struct stat info{};
        if (fstat(stream->descriptor, &info) != 0)
            return -1;
        base = info.st_size;
    } else if (whence != SEEK_SET) {
        return -1;
    }
    if (base + *offset < 0)
        return -1;
    stream->position = base + *offset;
    *offset = stream->position;
    return 0;
}

int cookieClose(void* cookie)
{
    auto* stream = static_cast<Stream*>(cookie);
    {
        const QMutexLocker locker(&registryLock());
        streams().remove(stream->replacement);
    }
    const int closed = std::fclose(stream->original);
    delete stream;
    return closed;
}

// Drops what the stream's buffer read ahead (fflush on a stream read from
// moves the position back to what was consumed and empties the buffer).
void dropBuffered(const Stream& stream)
{
    if (stream.replacement)
        std::fflush(const_cast<FILE*>(stream.replacement));
}

} // namespace

bool PinnedFile::install(pst_file* file)
{
    if (!file || !file->fp || fileno(file->fp) < 0)
        return false;
    auto* stream = new Stream;
    stream->original = file->fp;
    stream->descriptor = fileno(file->fp);
    stream->position = ftello(file->fp);
    const cookie_io_functions_t functions{cookieRead, nullptr, cookieSeek, nullptr};
    FILE* replacement = fopencookie(stream, "r", functions);
    if (!replacement) {
        delete stream;
        return false;
    }
    // Buffered like the stream it replaces; what the buffer holds is
    // dropped when a pin begins and ends, so no read-ahead crosses a pin.
    setvbuf(replacement, nullptr, _IOFBF, kBufferSize);
    stream->replacement = replacement;
    {
        const QMutexLocker locker(&registryLock());
        streams().insert(replacement, stream);
    }
    // pst_close closes the replacement, which closes the original and
    // leaves the registry (cookieClose).
    file->fp = replacement;
    return true;
}

int PinnedFile::descriptor(const pst_file* file)
{
    if (const Stream* stream = streamOf(file))
        return stream->descriptor;
    return file && file->fp ? fileno(file->fp) : -1;
}

bool PinnedFile::read(const pst_file* file, quint64 offset, char* buffer, size_t size)
{
    if (Stream* stream = streamOf(file))
        return readAt(*stream, offset, buffer, size) == ssize_t(size);
    const int fd = descriptor(file);
    return fd >= 0 && ::pread(fd, buffer, size, off_t(offset)) == ssize_t(size);
}

bool PinnedFile::isPinned(const pst_file* file)
{
    Stream* stream = streamOf(file);
    if (!stream)
        return false;
    const QMutexLocker locker(&stream->mutex);
    return stream->pinDepth > 0;
}

qint64 PinnedFile::pinnedBytes(const pst_file* file)
{
    Stream* stream = streamOf(file);
    if (!stream)
        return 0;
    const QMutexLocker locker(&stream->mutex);
    return stream->pinnedBytes;
}

void PinnedFile::setReadHook(ReadHook hook)
{
    readHook() = std::move(hook);
}

PinnedFile::Pin::Pin(const pst_file* file)
    : m_stream(streamOf(file))
{
    auto* stream = static_cast<Stream*>(m_stream);
    if (!stream)
        return;
    QMutexLocker locker(&stream->mutex);
    if (stream->pinDepth++ == 0) {
        locker.unlock();
        dropBuffered(*stream);
    }
}

PinnedFile::Pin::~Pin()
{
    auto* stream = static_cast<Stream*>(m_stream);
    if (!stream)
        return;
    QMutexLocker locker(&stream->mutex);
    if (--stream->pinDepth == 0) {
        stream->pins.clear();
        stream->pinnedBytes = 0;
        locker.unlock();
        dropBuffered(*stream);
    }
}
