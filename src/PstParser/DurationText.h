// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// Durations as the user's language writes them.
class DurationText
{
public:
    // "1 d 2 h 5 m" in short units, parts that are zero left out; "0 m" for
    // nothing. For appointments and journal entries.
    static QString compact(qint64 minutes);
    // Work as Outlook counts it (a day is 8 hours, a week 5 days): "2 weeks",
    // "1 day", "3 hours", "1 hour 45 minutes", "45 minutes"; "0 hours" for
    // nothing.
    static QString work(qint64 minutes);
};
