// SPDX-License-Identifier: GPL-2.0-or-later
#include "SoundNodes.h"

#include "PinnedFile.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

#include <sys/stat.h>

#include <cstdio>
#include <tuple>
#include <vector>

namespace {

constexpr quint64 kNodeTypeMask = 0x1F;
constexpr quint64 kNormalMessage = 0x04;
// Node indexes a file can hold (27 bits): at most 16 MB of bits for a
// damaged file naming the largest ones.
constexpr quint64 kMaxIndex = quint64(1) << 27;

struct FileState
{
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    bool operator==(const FileState& other) const
    {
        return std::tie(device, inode, size, modified.tv_sec, modified.tv_nsec, changed.tv_sec, changed.tv_nsec)
            == std::tie(other.device, other.inode, other.size, other.modified.tv_sec, other.modified.tv_nsec,
                        other.changed.tv_sec, other.changed.tv_nsec);
    }
};

struct Memory
{
    FileState state;
    std::vector<quint64> bits;
};

QMutex& lock()
{
    static QMutex mutex;
    return mutex;
}

QHash<const pst_file*, Memory>& memories()
{
    static QHash<const pst_file*, Memory> all;
    return all;
}

bool stateOf(const pst_file* file, FileState* state)
{
    struct stat info{};
    const int descriptor = PinnedFile::descriptor(file);
    if (descriptor < 0 || fstat(descriptor, &info) != 0)
        return false;
    *state = {info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim};
    return true;
}

// The index of a message node's bit; false for other nodes.
bool indexOf(quint64 nodeId, quint64* index)
{
    *index = nodeId >> 5;
    return (nodeId & kNodeTypeMask) == kNormalMessage && *index < kMaxIndex;
}

} // namespace

bool SoundNodes::isKnownSound(const pst_file* file, quint64 nodeId)
{
    quint64 index = 0;
    FileState now;
    if (!indexOf(nodeId, &index) || !stateOf(file, &now))
        return false;
    const QMutexLocker locker(&lock());
    const auto memory = memories().constFind(file);
    if (memory == memories().constEnd() || !(memory->state == now))
        return false;
    const quint64 word = index / 64;
    return word < memory->bits.size() && (memory->bits[word] >> (index % 64) & 1) != 0;
}

void SoundNodes::rememberSound(const pst_file* file, quint64 nodeId)
{
    quint64 index = 0;
    FileState now;
    if (!indexOf(nodeId, &index) || !stateOf(file, &now))
        return;
    const QMutexLocker locker(&lock());
    Memory& memory = memories()[file];
    if (!(memory.state == now))
        memory = Memory{now, {}};
    const quint64 word = index / 64;
    if (word >= memory.bits.size())
        memory.bits.resize(word + 1 + word / 4, 0);
    memory.bits[word] |= quint64(1) << (index % 64);
}

void SoundNodes::forget(const pst_file* file)
{
    const QMutexLocker locker(&lock());
    memories().remove(file);
}
