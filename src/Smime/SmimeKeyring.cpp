// SPDX-License-Identifier: GPL-2.0-or-later
#include "SmimeKeyring.h"

#include <QMutex>

namespace {

QMutex g_mutex;
QList<std::shared_ptr<SmimeKey>> g_keys;

} // namespace

void SmimeKeyring::add(const std::shared_ptr<SmimeKey>& key)
{
    QMutexLocker lock(&g_mutex);
    if (key && !g_keys.contains(key))
        g_keys.append(key);
}

QList<std::shared_ptr<SmimeKey>> SmimeKeyring::keys()
{
    QMutexLocker lock(&g_mutex);
    return g_keys;
}

void SmimeKeyring::clear()
{
    QMutexLocker lock(&g_mutex);
    g_keys.clear();
}
