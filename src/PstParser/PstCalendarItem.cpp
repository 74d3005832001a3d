// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstCalendarItem.h"

#include "MessageBody.h"
#include "PstDataConverter.h"

#include <QDateTime>
#include <QObject>

namespace {

const QString kDatePattern = QStringLiteral("MMM dd, yyyy 'at' hh:mm AP");
constexpr qint64 kSecondsPerDay = 86400;
constexpr qint64 kSecondsPerHour = 3600;

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
    appointment->setDisplayName(appointment->subject());
    return appointment;
}

QString PstCalendarItem::icon() const
{
    return QStringLiteral(":/img/calendar@3x.png");
}

QString PstCalendarItem::duration() const
{
    const QDateTime start = QDateTime::fromSecsSinceEpoch(qint64(property(QStringLiteral("startDate")).toULongLong()));
    const QDateTime end = QDateTime::fromSecsSinceEpoch(qint64(property(QStringLiteral("endDate")).toULongLong()));
    const qint64 seconds = qAbs(start.secsTo(end));
    const qint64 days = seconds / kSecondsPerDay;
    const qint64 rest = seconds % kSecondsPerDay;
    QString text;
    if (seconds >= kSecondsPerDay)
        text += QStringLiteral("%1d ").arg(days);
    if (seconds >= kSecondsPerDay || rest >= kSecondsPerHour)
        text += QStringLiteral("%1h ").arg(rest / kSecondsPerHour);
    text += QStringLiteral("%1m").arg(rest % kSecondsPerHour / 60);
    return text.trimmed();
}

std::shared_ptr<PstItem> PstCalendarItem::clone() const
{
    auto copy = std::make_shared<PstCalendarItem>();
    copyBaseFieldsTo(copy);
    return copy;
}

QList<InfoSection> PstCalendarItem::sections() const
{
    return {
        {QObject::tr("Appointment Details"),
         {{QObject::tr("Subject"), subject()},
          {QObject::tr("Start Date"), startDate(kDatePattern)},
          {QObject::tr("End Date"), endDate(kDatePattern)},
          {QObject::tr("Location"), property(QStringLiteral("location")).toString()}}},
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
