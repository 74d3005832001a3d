// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstListModel.h"

#include "PstDocumentLoader.h"
#include "PstMailItem.h"
#include "PstTaskItem.h"

#include <QThreadPool>

namespace {

constexpr qsizetype kLargestListFreedInline = 10000;

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
    const PstItem* item = itemAt(index);
    return item ? itemData(*item, role) : QVariant();
}

QVariant PstListModel::itemData(const PstItem& item, int role)
{
    switch (role) {
    case Qt::DisplayRole:
        return item.displayName();
    case Qt::DecorationRole:
        return item.icon();
    case TypeRole:
        return int(item.type());
    case SubjectRole:
        return item.subject();
    case MailDateRole:
        // A mail never sent shows no date in its row (the header says so);
        // the words would not fit the date's room in some languages.
        if (auto* mail = dynamic_cast<const PstMailItem*>(&item))
            return mail->property(QStringLiteral("sentDate")).toULongLong() ? mail->sendDate(QStringLiteral("yyyy/MM/dd"))
                                                                            : QString();
        return {};
    case AttachmentRole:
        if (auto* mail = dynamic_cast<const PstMailItem*>(&item))
            return mail->hasAttachment();
        return {};
    case DurationRole:
        return item.duration();
    case StartDateRole:
        return formattedTime(item, QStringLiteral("startDate"));
    case CreateDateRole:
        return listedCreateDate(item);
    case SortDateRole:
        return sortDate(item);
    case SizeRole:
        return item.property(QStringLiteral("messageSize")).toLongLong();
    case CompletedRole:
        if (auto* task = dynamic_cast<const PstTaskItem*>(&item))
            return task->taskCompleted();
        return {};
    default:
        return {};
    }
}

void PstListModel::setItems(const QList<std::shared_ptr<PstItem>>& items)
{
    beginResetModel();
    QList<std::shared_ptr<PstItem>> replaced = std::exchange(m_items, items);
    m_order.clear();
    endResetModel();
    // Hundreds of thousands of items take a good part of a second to free:
    // a worker thread lets them go.
    if (replaced.size() > kLargestListFreedInline)
        PstDocumentLoader::threadPool()->start([replaced = std::move(replaced)]() mutable { replaced.clear(); });
}

void PstListModel::appendItems(const QList<std::shared_ptr<PstItem>>& items)
{
    if (items.isEmpty())
        return;
    const int first = int(m_items.size());
    beginInsertRows({}, first, first + int(items.size()) - 1);
    m_items.append(items);
    // Rows of a sorted list come below the sorted ones until it is sorted again.
    if (!m_order.isEmpty()) {
        for (int position = first; position < m_items.size(); ++position)
            m_order.append(position);
    }
    endInsertRows();
}

bool PstListModel::setOrder(const QList<int>& order)
{
    if (!order.isEmpty() && order.size() != m_items.size())
        return false;
    if (order == m_order)
        return true;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // Where each item's row goes, for the selection and the current row.
    QList<int> rowOfPosition(order.size());
    for (int row = 0; row < order.size(); ++row)
        rowOfPosition[order.at(row)] = row;
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before) {
        if (!index.isValid() || index.row() >= m_items.size()) {
            after.append(QModelIndex());
            continue;
        }
        const int position = positionOf(index.row());
        after.append(createIndex(order.isEmpty() ? position : rowOfPosition.at(position), 0));
    }
    m_order = order;
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    return true;
}

int PstListModel::positionOf(int row) const
{
    return m_order.isEmpty() ? row : m_order.at(row);
}

std::shared_ptr<PstItem> PstListModel::item(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this || index.row() < 0 || index.row() >= m_items.size())
        return nullptr;
    return m_items.at(positionOf(index.row()));
}

const PstItem* PstListModel::itemAt(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this || index.row() < 0 || index.row() >= m_items.size())
        return nullptr;
    return m_items.at(positionOf(index.row())).get();
}
