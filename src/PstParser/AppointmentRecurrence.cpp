// SPDX-License-Identifier: GPL-2.0-or-later
#include "AppointmentRecurrence.h"

#include <QSet>
#include <QTextCodec>
#include <QtEndian>

namespace {

constexpr quint16 kPatternVersion = 0x3004;
constexpr quint32 kAppointmentVersion = 0x3006;
// Writers from this version on put a change-highlight block first in every
// extended exception.
constexpr quint32 kChangeHighlightVersion = 0x3009;

// What an exception overrides; only the fields these flags name are stored.
constexpr quint16 kOverrideSubject = 0x0001;
constexpr quint16 kOverrideMeetingType = 0x0002;
constexpr quint16 kOverrideReminderDelta = 0x0004;
constexpr quint16 kOverrideReminder = 0x0008;
constexpr quint16 kOverrideLocation = 0x0010;
constexpr quint16 kOverrideBusyStatus = 0x0020;
constexpr quint16 kOverrideAttachment = 0x0040;
constexpr quint16 kOverrideSubType = 0x0080;
constexpr quint16 kOverrideColor = 0x0100;

// Sequential little-endian reads that fail, and stay failed, at the end of
// the data.
class Cursor
{
public:
    explicit Cursor(const QByteArray& data) : m_data(data) {}

    bool ok() const { return m_ok; }
    qsizetype remaining() const { return m_data.size() - m_at; }

    quint16 u16() { return quint16(take(2)); }
    quint32 u32() { return quint32(take(4)); }
    QByteArray bytes(qsizetype n)
    {
        if (!m_ok || n < 0 || n > remaining()) {
            m_ok = false;
            return {};
        }
        const QByteArray out = m_data.mid(m_at, n);
        m_at += n;
        return out;
    }
    void skip(qsizetype n) { (void)bytes(n); }
    // A count of items of itemSize bytes each that must fit in the rest.
    quint32 count(qsizetype itemSize)
    {
        const quint32 n = u32();
        if (m_ok && qsizetype(n) * itemSize > remaining())
            m_ok = false;
        return m_ok ? n : 0;
    }

private:
    quint64 take(int size)
    {
        if (!m_ok || remaining() < size) {
            m_ok = false;
            return 0;
        }
        const uchar* p = reinterpret_cast<const uchar*>(m_data.constData()) + m_at;
        m_at += size;
        return size == 2 ? qFromLittleEndian<quint16>(p) : qFromLittleEndian<quint32>(p);
    }

    const QByteArray& m_data;
    qsizetype m_at = 0;
    bool m_ok = true;
};

qsizetype patternSpecificSize(quint16 patternType)
{
    switch (patternType) {
    case 0x0: // daily
        return 0;
    case 0x3: // the n-th weekday of a month
    case 0xB:
        return 8;
    default: // weekly, monthly, month end
        return 4;
    }
}

struct ExceptionRecord
{
    quint16 flags = 0;
    AppointmentRecurrence::Exception exception;
};

bool readExceptionInfo(Cursor& in, QTextCodec* codec, ExceptionRecord& record)
{
    record.exception.start = in.u32();
    record.exception.end = in.u32();
    record.exception.originalStart = in.u32();
    record.flags = in.u16();
    const auto ansiText = [&in, codec] {
        in.u16(); // the length plus one
        const QByteArray bytes = in.bytes(in.u16());
        return codec ? codec->toUnicode(bytes) : QString::fromLatin1(bytes);
    };
    if (record.flags & kOverrideSubject)
        record.exception.subject = ansiText();
    for (quint16 flag : {kOverrideMeetingType, kOverrideReminderDelta, kOverrideReminder})
        if (record.flags & flag)
            in.u32();
    if (record.flags & kOverrideLocation)
        record.exception.location = ansiText();
    for (quint16 flag : {kOverrideBusyStatus, kOverrideAttachment, kOverrideSubType, kOverrideColor})
        if (record.flags & flag)
            in.u32();
    return in.ok();
}

QString wideText(Cursor& in)
{
    const QByteArray bytes = in.bytes(qsizetype(in.u16()) * 2);
    QString text(bytes.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(qFromLittleEndian<quint16>(reinterpret_cast<const uchar*>(bytes.constData()) + 2 * i));
    return text;
}

// The Unicode subjects and locations that follow the 8-bit ones; false when
// they cannot be read, and then the 8-bit ones stand.
bool readExtendedExceptions(Cursor& in, quint32 writerVersion, QList<ExceptionRecord>& records)
{
    QList<ExceptionRecord> updated = records;
    for (ExceptionRecord& record : updated) {
        if (writerVersion >= kChangeHighlightVersion) {
            const quint32 size = in.u32();
            in.skip(qsizetype(size));
        }
        in.skip(qsizetype(in.u32()));
        if (!(record.flags & (kOverrideSubject | kOverrideLocation)))
            continue;
        in.skip(12); // start, end and original start again
        if (record.flags & kOverrideSubject)
            record.exception.subject = wideText(in);
        if (record.flags & kOverrideLocation)
            record.exception.location = wideText(in);
        in.skip(qsizetype(in.u32()));
        if (!in.ok())
            return false;
    }
    if (!in.ok())
        return false;
    records = updated;
    return true;
}

} // namespace

std::optional<AppointmentRecurrence> AppointmentRecurrence::parse(const QByteArray& blob, const QByteArray& ansiCodec)
{
    Cursor in(blob);
    if (in.u16() != kPatternVersion || in.u16() != kPatternVersion)
        return std::nullopt;
    in.u16(); // frequency
    const quint16 patternType = in.u16();
    in.skip(2 + 4 + 4 + 4); // calendar type, first date-time, period, sliding flag
    in.skip(patternSpecificSize(patternType));
    in.skip(4 + 4 + 4); // end type, occurrence count, first day of the week
    QList<qint64> deletedDates;
    for (quint32 i = 0, n = in.count(4); i < n; ++i)
        deletedDates.append(in.u32());
    in.skip(qsizetype(in.count(4)) * 4); // the new dates of changed occurrences
    AppointmentRecurrence result;
    result.m_startDate = in.u32();
    in.u32(); // end date
    if (!in.ok() || in.u32() != kAppointmentVersion)
        return std::nullopt;
    const quint32 writerVersion = in.u32();
    result.m_startTimeOffset = int(in.u32());
    result.m_endTimeOffset = int(in.u32());
    const quint16 exceptionCount = in.u16();
    if (!in.ok())
        return std::nullopt;

    QTextCodec* codec = QTextCodec::codecForName(ansiCodec.isEmpty() ? QByteArray("windows-1252") : ansiCodec);
    QList<ExceptionRecord> records;
    for (quint16 i = 0; i < exceptionCount; ++i) {
        ExceptionRecord record;
        if (!readExceptionInfo(in, codec, record))
            return std::nullopt;
        records.append(record);
    }
    in.skip(qsizetype(in.u32())); // reserved block
    if (in.ok())
        readExtendedExceptions(in, writerVersion, records);

    // A changed occurrence is also listed among the deleted ones, by the day
    // it was due.
    QSet<qint64> changedDays;
    for (const ExceptionRecord& record : std::as_const(records)) {
        result.m_exceptions.append(record.exception);
        changedDays.insert(record.exception.originalStart - record.exception.originalStart % kMinutesPerDay);
    }
    for (qint64 day : std::as_const(deletedDates)) {
        if (!changedDays.contains(day))
            result.m_deletedStarts.append(day + result.m_startTimeOffset);
    }
    return result;
}

qint64 AppointmentRecurrence::utcOffsetMinutes(qint64 firstStartUtcMinutes) const
{
    qint64 offset = (m_startDate + m_startTimeOffset - firstStartUtcMinutes) % kMinutesPerDay;
    // Zones lie between UTC-12 and UTC+14.
    if (offset > 14 * 60)
        offset -= kMinutesPerDay;
    else if (offset < -12 * 60)
        offset += kMinutesPerDay;
    return offset;
}
