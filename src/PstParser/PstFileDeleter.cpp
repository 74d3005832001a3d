// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstFileDeleter.h"

#include "SoundNodes.h"
#include "StoreIdentity.h"

#include "Log.h"

#include <QMutexLocker>

#include <cstdlib>

std::shared_ptr<QRecursiveMutex> libpstLock()
{
    static const std::shared_ptr<QRecursiveMutex> lock = std::make_shared<QRecursiveMutex>();
    return lock;
}

void PstFileDeleter::operator()(pst_file* file) const
{
    if (!file)
        return;
    {
        const QMutexLocker locker(libpstLock().get());
        StoreIdentity::forget(file);
        SoundNodes::forget(file);
        pst_close(file);
    }
    std::free(file);
    Log::info("Closed Pst document completed.");
}
