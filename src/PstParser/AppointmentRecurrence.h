// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The instances of a recurring appointment that differ from its series, read
// from the appointment's stored recurrence pattern (the binary value of the
// named property 0x8216 of the appointment property set): occurrences that
// were deleted, and occurrences that were moved or changed, with their new
// subject, location, start and end. Pure parsing over untrusted bytes.
//
// Times in the pattern are minutes since 1601-01-01 00:00 in the series'
// own time zone; they are returned as such, and the caller places them in
// UTC (see utcOffsetMinutes).
class AppointmentRecurrence
{
public:
    // One changed occurrence.
    struct Exception
    {
        qint64 originalStart = 0; // local minutes: when the occurrence was due
        qint64 start = 0;         // local minutes: when it takes place now
        qint64 end = 0;
        std::optional<QString> subject;
        std::optional<QString> location;
    };

    // Parses the pattern; nothing when it is not a readable appointment
    // recurrence pattern. `ansiCodec` names the code page of the 8-bit
    // subjects and locations when the pattern has no Unicode ones
    // (empty: Windows-1252).
    static std::optional<AppointmentRecurrence> parse(const QByteArray& blob,
                                                      const QByteArray& ansiCodec = QByteArray());

    // The series' first day (local minutes of its midnight) and the minutes
    // after midnight at which every occurrence starts and ends.
    qint64 startDate() const { return m_startDate; }
    int startTimeOffset() const { return m_startTimeOffset; }
    int endTimeOffset() const { return m_endTimeOffset; }

    // Local start of every occurrence that was deleted and not replaced by a
    // changed one, in the order stored.
    QList<qint64> deletedStarts() const { return m_deletedStarts; }
    QList<Exception> exceptions() const { return m_exceptions; }

    // Minutes to add to UTC for the series' local time, from the series'
    // first start given in UTC minutes since 1601: the pattern's local first
    // start minus it, brought within a day (a series whose stored start is
    // not its first occurrence still gives its zone).
    qint64 utcOffsetMinutes(qint64 firstStartUtcMinutes) const;

    static constexpr qint64 kMinutesPerDay = 1440;

private:
    qint64 m_startDate = 0;
    int m_startTimeOffset = 0;
    int m_endTimeOffset = 0;
    QList<qint64> m_deletedStarts;
    QList<Exception> m_exceptions;
};
