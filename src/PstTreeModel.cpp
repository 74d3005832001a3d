// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstTreeModel.h"

#include <QIcon>

PstTreeModel::PstTreeModel(const std::shared_ptr<PstFolderItem>& invisibleRoot, QObject* parent)
    : QAbstractItemModel(parent)
    , m_invisibleRoot(invisibleRoot)
{
}

PstItem* PstTreeModel::itemFromIndex(const QModelIndex& index)
{
    return index.isValid() ? static_cast<PstItem*>(index.internalPointer()) : nullptr;
}

QModelIndex PstTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (!hasIndex(row, column, parent))
        return {};
    PstItem* parentNode = parent.isValid() ? itemFromIndex(parent) : m_invisibleRoot.get();
    std::shared_ptr<PstItem> child = parentNode ? parentNode->child(row) : nullptr;
    return child ? createIndex(row, column, child.get()) : QModelIndex();
}

QModelIndex PstTreeModel::parent(const QModelIndex& index) const
{
    PstItem* node = itemFromIndex(index);
    if (!node)
        return {};
    std::shared_ptr<PstItem> parentNode = node->parent();
    if (!parentNode || parentNode.get() == m_invisibleRoot.get())
        return {};
    return createIndex(parentNode->row(), 0, parentNode.get());
}

int PstTreeModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return m_invisibleRoot->childCount();
    if (parent.column() > 0)
        return 0;
    PstItem* node = itemFromIndex(parent);
    return node ? node->childCount() : 0;
}

int PstTreeModel::columnCount(const QModelIndex&) const
{
    return 1;
}

QVariant PstTreeModel::data(const QModelIndex& index, int role) const
{
    PstItem* node = itemFromIndex(index);
    if (!node)
        return {};
    switch (role) {
    case Qt::DisplayRole: {
        auto* folder = dynamic_cast<PstFolderItem*>(node);
        if (folder && folder->itemsPending())
            return tr("%1 (reading…)").arg(node->displayName());
        return node->displayName() + (folder ? folder->itemCountStr() : QString());
    }
    case Qt::DecorationRole:
        return QIcon(node->icon());
    case FilePathRole:
        return node->filePath();
    default:
        return {};
    }
}

QModelIndex PstTreeModel::indexOfNode(PstItem* node) const
{
    if (!node || node == m_invisibleRoot.get())
        return {};
    return createIndex(node->row(), 0, node);
}

void PstTreeModel::addChild(PstFolderItem* parent, const std::shared_ptr<PstItem>& child)
{
    if (!parent || !child)
        return;
    const int row = parent->childCount();
    beginInsertRows(indexOfNode(parent), row, row);
    parent->addChildNode(child);
    endInsertRows();
}

void PstTreeModel::removeIndex(const QModelIndex& sourceIndex)
{
    PstItem* node = itemFromIndex(sourceIndex);
    if (!node)
        return;
    std::shared_ptr<PstItem> parentNode = node->parent();
    if (!parentNode)
        return;
    const int row = node->row();
    if (row < 0 || row >= parentNode->childCount())
        return;
    beginRemoveRows(indexOfNode(parentNode.get()), row, row);
    parentNode->removeChildNode(row);
    endRemoveRows();
}

void PstTreeModel::refresh(PstItem* node)
{
    const QModelIndex index = indexOfNode(node);
    if (index.isValid())
        emit dataChanged(index, index);
}

void PstTreeModel::removeNode(PstItem* node)
{
    if (node && node->parent())
        removeIndex(indexOfNode(node));
}

void PstTreeModel::adoptDocument(PstFolderItem* placeholder, const std::shared_ptr<PstFolderItem>& parsed)
{
    if (!placeholder || !parsed)
        return;
    placeholder->setFileId(parsed->fileId());
    placeholder->setPstPath(parsed->filePath());
    placeholder->setPstFile(parsed->pstFile());
    placeholder->setPstLock(parsed->pstLock());
    for (const auto& item : parsed->items())
        placeholder->addItem(item);
    const int count = parsed->childCount();
    if (count > 0) {
        beginInsertRows(indexOfNode(placeholder), 0, count - 1);
        for (int i = 0; i < count; ++i)
            placeholder->addChildNode(parsed->child(i));
        endInsertRows();
    }
    refresh(placeholder);
}

void PstTreeModel::addFolderItems(PstFolderItem* folder, const PstFolderItem::ItemCounts& counts,
                                  const QList<std::shared_ptr<PstItem>>& items)
{
    if (!folder)
        return;
    folder->setReadItems(counts, items);
    refresh(folder);
}

void PstTreeModel::completeDocument(PstFolderItem* placeholder, const std::shared_ptr<PstFolderItem>& parsed)
{
    if (!placeholder || !parsed)
        return;
    placeholder->setDisplayName(parsed->displayName());
    placeholder->setLosses(parsed->losses());
    refresh(placeholder);
}
