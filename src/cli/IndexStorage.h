// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// What an index build keeps beside the indexes in the cache folder, per
// file path (whatever version of the file): the lock a build holds, and the
// index location last built for the path, so that the index of an older
// version is removed when a newer one is built.
class IndexStorage
{
public:
    // The lock file of builds of `pstPath`'s index.
    static QString lockPath(const QString& pstPath);
    // Removes the index last built for `pstPath` when it is not the current
    // version's, and notes the current version's as the one built. Call
    // with the lock held.
    static void removeOtherVersions(const QString& pstPath);
};
