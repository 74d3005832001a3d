// SPDX-License-Identifier: GPL-2.0-or-later
#include "SearchHitModel.h"

#include "ItemType.h"
#include "PstListModel.h"

SearchHitModel::SearchHitModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

int SearchHitModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_hits.size());
}

QString SearchHitModel::iconOf(int itemType)
{
    switch (itemType) {
    case Calendar: return QStringLiteral(":/img/calendar@3x.png");
    case Contact: return QStringLiteral(":/img/contact@3x.png");
    case Journal: return QStringLiteral(":/img/diary@3x.png");
    case Task: return QStringLiteral(":/img/task@3x.png");
    case Note: return QStringLiteral(":/img/notepaper@3x.png");
    default: return QStringLiteral(":/img/mail-gray.png");
    }
}

QString SearchHitModel::senderName(const QString& sender)
{
    // The index keeps the name and the address (on lines of their own, or
    // after a space); the list shows the name when there is one.
    const QString firstLine = sender.trimmed().section(QLatin1Char('\n'), 0, 0).trimmed();
    if (firstLine.size() < sender.trimmed().size() && !firstLine.isEmpty())
        return firstLine;
    const QString trimmed = sender.trimmed();
    const int space = int(trimmed.lastIndexOf(QLatin1Char(' ')));
    if (space <= 0 || !trimmed.mid(space + 1).contains(QLatin1Char('@')))
        return trimmed;
    const QString name = trimmed.left(space).trimmed();
    return name.isEmpty() ? trimmed : name;
}

QVariant SearchHitModel::data(const QModelIndex& index, int role) const
{
    const SearchHit* hit = hitAt(index);
    if (!hit)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        // A mail is listed by its sender, every other item by its name.
        return hit->sender.isEmpty() ? hit->subject : senderName(hit->sender);
    case Qt::DecorationRole:
        return iconOf(hit->itemType);
    case Qt::ToolTipRole:
        return hit->folderPath;
    case PstListModel::TypeRole:
        return hit->itemType;
    case PstListModel::SubjectRole:
        return hit->subject;
    case PstListModel::MailDateRole:
        return hit->date.isValid() ? hit->date.toLocalTime().toString(QStringLiteral("yyyy/MM/dd")) : QString();
    case PstListModel::AttachmentRole:
        return hit->hasAttachment;
    case PstListModel::SortDateRole:
        return hit->date.isValid() ? hit->date.toSecsSinceEpoch() : qint64(0);
    case PstListModel::SizeRole:
        return hit->size;
    case FolderRole:
        return hit->folderPath;
    case SnippetRole:
        return hit->snippet;
    case RankRole:
        return hit->rank;
    default:
        return {};
    }
}

void SearchHitModel::setHits(const QList<SearchHit>& hits)
{
    beginResetModel();
    m_hits = hits;
    endResetModel();
}

void SearchHitModel::setSnippets(int from, const QList<SearchHit>& hits)
{
    if (from < 0 || hits.isEmpty() || from + hits.size() > m_hits.size())
        return;
    for (qsizetype i = 0; i < hits.size(); ++i) {
        SearchHit& row = m_hits[from + i];
        if (row.nodeId != hits.at(i).nodeId || row.shardPath != hits.at(i).shardPath || !hits.at(i).hasSnippet)
            continue;
        row.snippet = hits.at(i).snippet;
        row.hasSnippet = true;
    }
    emit dataChanged(index(from), index(int(from + hits.size() - 1)), {SnippetRole});
}

const SearchHit* SearchHitModel::hitAt(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this || index.row() < 0 || index.row() >= m_hits.size())
        return nullptr;
    return &m_hits.at(index.row());
}
