// SPDX-License-Identifier: GPL-2.0-or-later
#include "SeriesExceptions.h"

#include "AppointmentRecurrence.h"
#include "Log.h"
#include "MapiPropertyReader.h"
#include "PstDataConverter.h"

#include <QDateTime>
#include <QUuid>

namespace {

const QUuid kPsetidAppointment{0x00062002, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
constexpr quint32 kLidAppointmentRecur = 0x8216;

// Minutes between 1601-01-01 and 1970-01-01.
constexpr qint64 kEpochMinutes = 11644473600LL / 60;

std::string utcText(qint64 utcMinutesSince1601)
{
    const QDateTime time = QDateTime::fromSecsSinceEpoch((utcMinutesSince1601 - kEpochMinutes) * 60, Qt::UTC);
    return time.toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")).toStdString();
}

void logUnreadable(pst_item* item)
{
    Log::warn(QStringLiteral("Recurrence exceptions of \"%1\" could not be read; the series is written without them.")
                  .arg(PstDataConverter::toQString(item->subject, PstDataConverter::recordCodePage(item))));
}

} // namespace

void SeriesExceptions::read(pst_file* file, pst_desc_tree* node, pst_item* item, ical_event_extras& extras)
{
    if (!item || !item->appointment || !item->appointment->is_recurring || !item->appointment->start)
        return;
    if (!file || !node) {
        logUnreadable(item);
        return;
    }
    const MapiPropertyReader reader(file, node);
    const auto id = reader.namedPropertyId(kPsetidAppointment, kLidAppointmentRecur);
    const auto blob = id ? reader.binary(*id) : std::nullopt;
    const int codePage = PstDataConverter::recordCodePage(item);
    const auto pattern = blob ? AppointmentRecurrence::parse(
                                    *blob, codePage > 0 ? PstDataConverter::encodingNameForCodePage(codePage).toLatin1()
                                                        : QByteArray())
                              : std::nullopt;
    if (!pattern) {
        logUnreadable(item);
        return;
    }
    // The series is written in UTC from its first start; its occurrences
    // are placed with the same offset, so that each one matches the rule.
    const qint64 firstStartUtc = PstDataConverter::filetimeToUnix(item->appointment->start) / 60 + kEpochMinutes;
    const qint64 offset = pattern->utcOffsetMinutes(firstStartUtc);
    for (qint64 start : pattern->deletedStarts())
        extras.exdates.push_back(utcText(start - offset));
    for (const AppointmentRecurrence::Exception& exception : pattern->exceptions()) {
        ical_event_extras::instance instance;
        instance.recurrence_id = utcText(exception.originalStart - offset);
        instance.start = utcText(exception.start - offset);
        instance.end = utcText(exception.end - offset);
        instance.has_subject = exception.subject.has_value();
        instance.subject = exception.subject.value_or(QString()).toStdString();
        instance.has_location = exception.location.has_value();
        instance.location = exception.location.value_or(QString()).toStdString();
        extras.instances.push_back(instance);
    }
}
