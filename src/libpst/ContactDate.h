// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDate>

#include <libpst/libpst.h>

// A birthday or an anniversary is a day, but Outlook stores it as the
// instant its owner's local midnight fell on: 15:00 UTC the day before for
// Japan, 05:00 UTC the same day for New York. This gives back the day meant.
class ContactDate
{
public:
    // Invalid for a null or zero time.
    static QDate intendedDate(const FILETIME* time);
    // The same from seconds since 1970 (UTC).
    static QDate intendedDate(qint64 secondsSinceEpoch);
};
