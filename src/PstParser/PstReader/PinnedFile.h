// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <libpst/libpst.h>

#include <QtGlobal>

#include <functional>

// NodeGuard checks a node's bytes, then libpst parses them, reading the file
// again and trusting what it reads. Another program may write to the file
// in between (Outlook syncing an .ost, a copy still being made): libpst
// would then parse bytes nobody checked and write out of bounds. PinnedFile
// puts a stream of its own in place of libpst's: while a Pin is held, every
// range read from the file is kept, and read again from memory, so the check
// and the parse see the same bytes whatever happens to the file. Outside a
// pin, reads go to the file as they are. A pin holds one item's blocks, as
// read by the check and the parse of that item, and no more; past 64 MB
// (large attachments' contents, streamed once) reads are not kept.
//
// Used under libpst's lock, like the pst_file itself; the stream's own
// state is locked too.
class PinnedFile
{
public:
    // Puts the stream in place of `file`'s open one, which it then owns
    // (pst_close closes both). False, leaving `file` as it is, when it
    // cannot.
    static bool install(pst_file* file);
    // The file's descriptor, for its state (fstat) and direct reads; -1
    // when it has none. Works for streams not installed here too.
    static int descriptor(const pst_file* file);
    // Reads `size` bytes at `offset` into `buffer` as libpst reads them:
    // through the pins. False when fewer bytes were there.
    static bool read(const pst_file* file, quint64 offset, char* buffer, size_t size);
    // Whether a Pin of `file` is held now.
    static bool isPinned(const pst_file* file);
    // How many bytes the pins of `file` hold now.
    static qint64 pinnedBytes(const pst_file* file);

    // Keeps what is read from `file` from construction to destruction;
    // pins taken inside one another share the outermost one's bytes.
    // Does nothing for a file without the stream.
    class Pin
    {
    public:
        explicit Pin(const pst_file* file);
        ~Pin();
        Pin(const Pin&) = delete;
        Pin& operator=(const Pin&) = delete;

    private:
        void* m_stream = nullptr;
    };

    // For tests: called with the range before every read that reaches the
    // file (null: none). Lets a test change the file between two reads.
    using ReadHook = std::function<void(quint64 offset, size_t size)>;
    static void setReadHook(ReadHook hook);
};
