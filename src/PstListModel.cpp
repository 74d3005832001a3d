// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstListModel.h"

#include "PstMailItem.h"
#include "PstTaskItem.h"

namespace {

const QString kLongDatePattern = QStringLiteral("MMM dd, yyyy 'at' hh:mm AP");

QString formattedTime(const PstItem& item, const QString& key)
{
    return item.timestampToString(item.property(key).toULongLong(), kLongDatePattern);
}

// A journal entry without a creation time is listed by when it started.
QString listedCreateDate(const PstItem& item)
{
    const QString created = formattedTime(item, QStringLiteral("createDate"));
    return created.isEmpty() ? formattedTime(item, QStringLiteral("startTime")) : created;
}

// The date a list is sorted by: when a mail was sent (else received), an
// appointment, task or journal entry starts, a note or contact was made.
qint64 sortDate(const PstItem& item)
{
    for (const char* key : {"sentDate", "arrivalDate", "startDate", "startTime", "dueDate", "createDate", "modifyDate"}) {
        const qint64 seconds = item.property(QLatin1String(key)).toLongLong();
        if (seconds)
            return seconds;
    }
    return 0;
}

} // namespace

PstListModel::PstListModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

int PstListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_items.size());
}

QVariant PstListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_items.size())
        return {};
    const std::shared_ptr<PstItem>& item = m_items.at(index.row());
    if (!item)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return item->displayName();
    case Qt::DecorationRole:
        return item->icon();
    case TypeRole:
        return int(item->type());
    case SubjectRole:
        return item->subject();
    case MailDateRole:
        // A mail never sent shows no date in its row (the header says so);
        // the words would not fit the date's room in some languages.
        if (auto* mail = dynamic_cast<const PstMailItem*>(item.get()))
            return mail->property(QStringLiteral("sentDate")).toULongLong() ? mail->sendDate(QStringLiteral("yyyy/MM/dd"))
                                                                            : QString();
        return {};
    case AttachmentRole:
        if (auto* mail = dynamic_cast<const PstMailItem*>(item.get()))
            return mail->hasAttachment();
        return {};
    case DurationRole:
        return item->duration();
    case StartDateRole:
        return formattedTime(*item, QStringLiteral("startDate"));
    case CreateDateRole:
        return listedCreateDate(*item);
    case SortDateRole:
        return sortDate(*item);
    case SizeRole:
        return item->property(QStringLiteral("messageSize")).toLongLong();
    case CompletedRole:
        if (auto* task = dynamic_cast<const PstTaskItem*>(item.get()))
            return task->taskCompleted();
        return {};
    default:
        return {};
    }
}

void PstListModel::setItems(const QList<std::shared_ptr<PstItem>>& items)
{
    beginResetModel();
    m_items = items;
    endResetModel();
}

const PstItem* PstListModel::itemAt(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this || index.row() >= m_items.size())
        return nullptr;
    return m_items.at(index.row()).get();
}
