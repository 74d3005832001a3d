// SPDX-License-Identifier: GPL-2.0-or-later
#include "MeetingRequest.h"

#include "ContactDate.h"
#include "PstDataConverter.h"
#include "PstMailItem.h"
#include "ReparsedRecord.h"

#include <QDateTime>
#include <QLocale>
#include <QObject>

namespace {

const QString kDatePattern = QStringLiteral("MMM dd, yyyy 'at' hh:mm AP");
const QString kTimePattern = QStringLiteral("hh:mm AP");

const QString kMeeting = QStringLiteral("meeting");

bool isMeeting(const pst_item* record)
{
    return record && record->appointment && MeetingRequest::isMeetingClass(record->ascii_type);
}

QString when(const PstMailItem& mail, const pst_item_appointment& appointment)
{
    const qint64 start = PstDataConverter::filetimeToUnix(appointment.start);
    const qint64 end = PstDataConverter::filetimeToUnix(appointment.end);
    if (!start)
        return QString();
    if (appointment.all_day) {
        const QLocale locale;
        const QDate first = ContactDate::intendedDate(start);
        const QDate last = end ? ContactDate::intendedDate(end).addDays(-1) : first;
        const QString days = last > first ? QStringLiteral("%1 – %2").arg(locale.toString(first, QLocale::LongFormat),
                                                                           locale.toString(last, QLocale::LongFormat))
                                           : locale.toString(first, QLocale::LongFormat);
        return QObject::tr("All day") + QStringLiteral(", ") + days;
    }
    const QString from = mail.timestampToString(quint64(start), kDatePattern);
    if (!end || end == start)
        return from;
    const bool sameDay = QDateTime::fromSecsSinceEpoch(start).date() == QDateTime::fromSecsSinceEpoch(end).date();
    return from + QStringLiteral(" – ") + mail.timestampToString(quint64(end), sameDay ? kTimePattern : kDatePattern);
}

} // namespace

bool MeetingRequest::isMeetingClass(const char* messageClass)
{
    return messageClass && qstrnicmp(messageClass, "IPM.Schedule.Meeting", 20) == 0;
}

void MeetingRequest::markIfMeeting(PstMailItem& mail, const char* messageClass)
{
    if (isMeetingClass(messageClass))
        mail.insertProperty(kMeeting, true);
}

QList<InfoField> MeetingRequest::detailsOf(const PstMailItem& mail)
{
    if (!mail.property(kMeeting).toBool())
        return {};
    // Reaching the document's file walks the parent links; nothing of the
    // item itself changes.
    ReparsedRecord reparsed(const_cast<PstMailItem&>(mail));
    return detailsOf(mail, reparsed.record());
}

QList<InfoField> MeetingRequest::detailsOf(const PstMailItem& mail, const pst_item* record)
{
    if (!isMeeting(record))
        return {};
    const pst_item_appointment& appointment = *record->appointment;
    const QString address = mail.senderAddr();
    const QString organiser = address.isEmpty() || mail.sender() == address
        ? mail.sender() : QStringLiteral("%1 <%2>").arg(mail.sender(), address);
    const QList<InfoField> all{
        {QObject::tr("When"), when(mail, appointment)},
        {QObject::tr("Where"), PstDataConverter::toQString(appointment.location, PstDataConverter::recordCodePage(record))},
        {QObject::tr("Organizer"), organiser.trimmed()},
        {QObject::tr("Required"), mail.recipients()},
        {QObject::tr("Optional"), mail.cc()},
    };
    QList<InfoField> shown;
    for (const InfoField& field : all) {
        if (!field.value.isEmpty())
            shown.append(field);
    }
    return shown;
}
