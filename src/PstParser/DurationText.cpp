// SPDX-License-Identifier: GPL-2.0-or-later
#include "DurationText.h"

#include <QObject>
#include <QStringList>

namespace {

constexpr qint64 kMinutesPerHour = 60;
constexpr qint64 kMinutesPerDay = 24 * kMinutesPerHour;
constexpr qint64 kWorkDayMinutes = 8 * kMinutesPerHour;
constexpr qint64 kWorkWeekMinutes = 5 * kWorkDayMinutes;

} // namespace

QString DurationText::compact(qint64 minutes)
{
    minutes = qAbs(minutes);
    const qint64 days = minutes / kMinutesPerDay;
    const qint64 hours = minutes % kMinutesPerDay / kMinutesPerHour;
    const qint64 rest = minutes % kMinutesPerHour;
    QStringList parts;
    if (days)
        parts << QObject::tr("%1 d", "days").arg(days);
    if (hours)
        parts << QObject::tr("%1 h", "hours").arg(hours);
    if (rest || parts.isEmpty())
        parts << QObject::tr("%1 m", "minutes").arg(rest);
    return parts.join(QLatin1Char(' '));
}

QString DurationText::work(qint64 minutes)
{
    // Singular and plural as two texts: every interface language gets by with two forms.
    if (minutes > 0 && minutes % kWorkWeekMinutes == 0) {
        const qint64 count = minutes / kWorkWeekMinutes;
        return (count == 1 ? QObject::tr("%1 week") : QObject::tr("%1 weeks")).arg(count);
    }
    if (minutes > 0 && minutes % kWorkDayMinutes == 0) {
        const qint64 count = minutes / kWorkDayMinutes;
        return (count == 1 ? QObject::tr("%1 day") : QObject::tr("%1 days")).arg(count);
    }
    const qint64 hours = minutes / kMinutesPerHour;
    const qint64 rest = minutes % kMinutesPerHour;
    const QString hourText = (hours == 1 ? QObject::tr("%1 hour") : QObject::tr("%1 hours")).arg(hours);
    if (rest == 0)
        return hourText;
    const QString minuteText = QObject::tr("%n minute(s)", nullptr, int(rest));
    return hours ? hourText + QLatin1Char(' ') + minuteText : minuteText;
}
