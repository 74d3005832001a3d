// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <libpst/libpst.h>

#include <QRecursiveMutex>

#include <memory>

// The lock around every call into libpst, in every thread and for every
// document: libpst keeps process-wide state (its debug call stack) that two
// threads corrupt even on different files. Documents hand it out as their
// PstItem::pstLock().
std::shared_ptr<QRecursiveMutex> libpstLock();

// Closes and frees a libpst file when the last owner of its handle goes.
struct PstFileDeleter
{
    void operator()(pst_file* file) const;
};
