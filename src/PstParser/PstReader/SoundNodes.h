// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <libpst/libpst.h>

#include <QtGlobal>

// The message nodes of open files that NodeGuard has found sound, so a run
// that reads an item, then parses it and writes it, checks its node once.
// What is remembered holds only while the file on disk is unchanged (same
// inode, size, modification and change times): a file written to meanwhile
// is checked afresh. One bit per message node, so memory grows with the
// number of nodes only, never with the items' contents. Thread-safe.
class SoundNodes
{
public:
    // Whether `nodeId` of `file` was found sound since the file last changed.
    static bool isKnownSound(const pst_file* file, quint64 nodeId);
    // Remembers `nodeId` of `file` as sound (message nodes only).
    static void rememberSound(const pst_file* file, quint64 nodeId);
    // Drops what is remembered of `file` (it is being closed).
    static void forget(const pst_file* file);
};
