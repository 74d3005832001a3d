// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstCalendarItem.h"

#include "MessageBody.h"
#include "ContactDate.h"
#include "DurationText.h"
#include "PstDataConverter.h"

#include <QDateTime>
#include <QLocale>
#include <QObject>

namespace {

const QString kDatePattern = QStringLiteral("MMM dd, yyyy 'at' hh:mm AP");

} // namespace

std::shared_ptr<PstCalendarItem> PstCalendarItem::creteFromPstItem(pst_desc_tree* node, pst_item* record)
{
    Q_UNUSED(node);
    if (!record || !record->appointment)
        return nullptr;
    auto appointment = std::make_shared<PstCalendarItem>();
    const int codePage = PstDataConverter::recordCodePage(record);
    const pst_item_appointment& part = *record->appointment;
    appointment->insertFromPstString(record->subject, QStringLiteral("subject"), codePage);
    appointment->insertFromPstString(part.location, QStringLiteral("location"), codePage);
    appointment->insertFromFILETIME(part.start, QStringLiteral("startDate"));
    appointment->insertFromFILETIME(part.end, QStringLiteral("endDate"));
    appointment->insertFromPstString(part.recurrence_description, QStringLiteral("recurrenceDescription"), codePage);
    appointment->insertFromPstString(record->body, QStringLiteral("note"), codePage);
    appointment->setRtfNote(MessageBody::hasOnlyRtfNote(record));
    if (part.all_day)
        appointment->insertProperty(QStringLiteral("allDay"), true);
    appointment->setDisplayName(appointment->subject());
    return appointment;
}

QString PstCalendarItem::icon() const
{
    return QStringLiteral(":/img/calendar@3x.png");
}

QString PstCalendarItem::duration() const
{
    if (isAllDay()) {
        const int days = allDayCount();
        return days <= 1 ? QObject::tr("All day") : QObject::tr("All day, %n day(s)", nullptr, days);
    }
    const qint64 start = qint64(property(QStringLiteral("startDate")).toULongLong());
    const qint64 end = qint64(property(QStringLiteral("endDate")).toULongLong());
    return DurationText::compact((end - start) / 60);
}

bool PstCalendarItem::isAllDay() const
{
    return property(QStringLiteral("allDay")).toBool();
}

QDate PstCalendarItem::firstDay() const
{
    const qint64 start = qint64(property(QStringLiteral("startDate")).toULongLong());
    return start ? ContactDate::intendedDate(start) : QDate();
}

QDate PstCalendarItem::lastDay() const
{
    // The end is the midnight after the last day.
    const qint64 end = qint64(property(QStringLiteral("endDate")).toULongLong());
    const QDate first = firstDay();
    const QDate last = end ? ContactDate::intendedDate(end).addDays(-1) : first;
    return first.isValid() && last < first ? first : last;
}

int PstCalendarItem::allDayCount() const
{
    const QDate first = firstDay();
    return first.isValid() ? int(first.daysTo(lastDay())) + 1 : 1;
}

std::shared_ptr<PstItem> PstCalendarItem::clone() const
{
    auto copy = std::make_shared<PstCalendarItem>();
    copyBaseFieldsTo(copy);
    return copy;
}

QList<InfoSection> PstCalendarItem::sections() const
{
    QList<InfoField> details{{QObject::tr("Subject"), subject()}};
    if (isAllDay()) {
        const QLocale locale;
        const QDate first = firstDay(), last = lastDay();
        details.append({QObject::tr("Start Date"), first.isValid() ? locale.toString(first, QLocale::LongFormat) : QString()});
        details.append({QObject::tr("End Date"), last > first ? locale.toString(last, QLocale::LongFormat) : QString()});
        details.append({QObject::tr("Time"), duration()});
    } else {
        details.append({QObject::tr("Start Date"), startDate(kDatePattern)});
        details.append({QObject::tr("End Date"), endDate(kDatePattern)});
    }
    details.append({QObject::tr("Location"), property(QStringLiteral("location")).toString()});
    return {
        {QObject::tr("Appointment Details"), details},
        {QObject::tr("Recurrence Details"),
         {{QObject::tr("Recurrence Pattern"), property(QStringLiteral("recurrenceDescription")).toString()}}},
        {QObject::tr("Notes"), {{QString(), note()}}},
    };
}

QString PstCalendarItem::startDate(const QString& format) const
{
    return timestampToString(property(QStringLiteral("startDate")).toULongLong(), format);
}

QString PstCalendarItem::endDate(const QString& format) const
{
    return timestampToString(property(QStringLiteral("endDate")).toULongLong(), format);
}
