// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstJournalItem.h"

#include "DurationText.h"
#include "MapiPropertyReader.h"
#include "MessageBody.h"
#include "PstDataConverter.h"

#include <QObject>
#include <QStringList>

namespace {

const QString kDatePattern = QStringLiteral("MMM dd, yyyy 'at' hh:mm AP");

// libpst carries no journal duration; it is read from the message itself.
qint32 durationOf(pst_desc_tree* node, pst_item* record)
{
    if (!node || !record->pf)
        return 0;
    const MapiPropertyReader reader(record->pf, node);
    return reader.int32Named(MapiPropertyReader::kPsetidLog, MapiPropertyReader::kLidLogDuration).value_or(0);
}

} // namespace

std::shared_ptr<PstJournalItem> PstJournalItem::creteFromPstItem(pst_desc_tree* node, pst_item* record)
{
    if (!record || !record->journal)
        return nullptr;
    auto entry = std::make_shared<PstJournalItem>();
    const int codePage = PstDataConverter::recordCodePage(record);
    const pst_item_journal& part = *record->journal;
    entry->insertFromPstString(record->subject, QStringLiteral("subject"), codePage);
    entry->insertFromFILETIME(part.start, QStringLiteral("startTime"));
    entry->insertFromFILETIME(part.end, QStringLiteral("endTime"));
    entry->insertFromPstString(part.type, QStringLiteral("type"), codePage);
    entry->insertFromPstString(part.description, QStringLiteral("description"), codePage);
    entry->insertFromPstString(record->body, QStringLiteral("note"), codePage);
    entry->setRtfNote(MessageBody::hasOnlyRtfNote(record));
    // A signed count of minutes, widened as it is.
    entry->setDuration((unsigned long long)(qint64(durationOf(node, record))));
    entry->setDisplayName(entry->subject());
    return entry;
}

QString PstJournalItem::icon() const
{
    return QStringLiteral(":/img/diary@3x.png");
}

QString PstJournalItem::duration() const
{
    return DurationText::compact(qint64(m_duration));
}

std::shared_ptr<PstItem> PstJournalItem::clone() const
{
    auto copy = std::make_shared<PstJournalItem>();
    copyBaseFieldsTo(copy);
    copy->m_duration = m_duration;
    return copy;
}

QList<InfoSection> PstJournalItem::sections() const
{
    return {
        {QObject::tr("Journal Entry"),
         {{QObject::tr("Subject"), subject()},
          {QObject::tr("Type"), property(QStringLiteral("description")).toString()},
          {QObject::tr("Start Date"), startDate(kDatePattern)},
          {QObject::tr("End Date"), endDate(kDatePattern)},
          {QObject::tr("Duration"), duration()}}},
        {QObject::tr("Notes"), {{QString(), note()}}},
    };
}

void PstJournalItem::setDuration(unsigned long long minutes)
{
    m_duration = minutes;
}

QString PstJournalItem::startDate(const QString& format) const
{
    return timestampToString(property(QStringLiteral("startTime")).toULongLong(), format);
}

QString PstJournalItem::endDate(const QString& format) const
{
    return timestampToString(property(QStringLiteral("endTime")).toULongLong(), format);
}
