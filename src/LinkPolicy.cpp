// SPDX-License-Identifier: GPL-2.0-or-later
#include "LinkPolicy.h"

bool LinkPolicy::mayOpen(const QUrl& link)
{
    if (!link.isValid())
        return false;
    const QString scheme = link.scheme().toLower();
    if (scheme == QLatin1String("mailto"))
        return !link.path().isEmpty();
    return (scheme == QLatin1String("http") || scheme == QLatin1String("https")) && !link.host().isEmpty();
}
