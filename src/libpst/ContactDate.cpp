// SPDX-License-Identifier: GPL-2.0-or-later
#include "ContactDate.h"

#include <QDateTime>
#include <QTimeZone>

namespace {

constexpr qint64 kFiletimeTicksPerSecond = 10000000;
constexpr qint64 kFiletimeEpochOffset = 11644473600LL; // seconds from 1601 to 1970
constexpr qint64 kHalfDaySeconds = 12 * 3600;

} // namespace

QDate ContactDate::intendedDate(const FILETIME* time)
{
    if (!time || (time->dwLowDateTime == 0 && time->dwHighDateTime == 0))
        return {};
    const quint64 ticks = (quint64(time->dwHighDateTime) << 32) | time->dwLowDateTime;
    return intendedDate(qint64(ticks / kFiletimeTicksPerSecond) - kFiletimeEpochOffset);
}

QDate ContactDate::intendedDate(qint64 secondsSinceEpoch)
{
    // Stored in this computer's own zone: its local date is the one meant.
    const QDateTime local = QDateTime::fromSecsSinceEpoch(secondsSinceEpoch, Qt::LocalTime);
    if (local.time() == QTime(0, 0))
        return local.date();
    // Otherwise the nearest UTC midnight: zones east of Greenwich store the
    // afternoon before, zones west the morning of the day.
    return QDateTime::fromSecsSinceEpoch(secondsSinceEpoch + kHalfDaySeconds, Qt::UTC).date();
}
