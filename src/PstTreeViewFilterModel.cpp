// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstTreeViewFilterModel.h"

#include "PstFolderItem.h"
#include "PstTreeModel.h"

PstTreeViewFilterModel::PstTreeViewFilterModel(QObject* parent)
    : QSortFilterProxyModel(parent)
{
}

void PstTreeViewFilterModel::setHideEmptyFolders(bool hide)
{
    if (hide == m_hideEmptyFolders)
        return;
    m_hideEmptyFolders = hide;
    invalidateFilter();
}

void PstTreeViewFilterModel::setShowHiddenFolders(bool show)
{
    if (show == m_showHiddenFolders)
        return;
    m_showHiddenFolders = show;
    invalidateFilter();
}

bool PstTreeViewFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    if (!isShown(index))
        return false;
    if (!m_hideEmptyFolders)
        return QSortFilterProxyModel::filterAcceptsRow(sourceRow, sourceParent);
    return holdsItems(index);
}

bool PstTreeViewFilterModel::isShown(const QModelIndex& sourceIndex) const
{
    const auto* folder = dynamic_cast<PstFolderItem*>(PstTreeModel::itemFromIndex(sourceIndex));
    return m_showHiddenFolders || !folder || !folder->isHidden();
}

bool PstTreeViewFilterModel::holdsItems(const QModelIndex& sourceIndex) const
{
    PstItem* node = PstTreeModel::itemFromIndex(sourceIndex);
    if (!node)
        return true;
    auto* folder = dynamic_cast<PstFolderItem*>(node);
    if (folder && folder->itemCount() > 0)
        return true;
    const int rows = sourceModel()->rowCount(sourceIndex);
    for (int row = 0; row < rows; ++row) {
        const QModelIndex child = sourceModel()->index(row, 0, sourceIndex);
        if (isShown(child) && holdsItems(child))
            return true;
    }
    return false;
}

void PstTreeViewFilterModel::setCheckable(bool checkable)
{
    if (checkable == m_checkable)
        return;
    beginResetModel();
    m_checkable = checkable;
    m_unchecked.clear();
    endResetModel();
}

QSet<unsigned long long> PstTreeViewFilterModel::uncheckedFolderIds() const
{
    QSet<unsigned long long> ids;
    for (const PstItem* folder : m_unchecked)
        ids.insert(folder->fileId());
    return ids;
}

QVariant PstTreeViewFilterModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::CheckStateRole || !m_checkable || index.column() != 0)
        return QSortFilterProxyModel::data(index, role);
    const PstItem* item = PstTreeModel::itemFromIndex(mapToSource(index));
    return item && !isChecked(item) ? Qt::Unchecked : Qt::Checked;
}

bool PstTreeViewFilterModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || !m_checkable)
        return QSortFilterProxyModel::setData(index, value, role);
    PstItem* item = PstTreeModel::itemFromIndex(mapToSource(index));
    if (!item)
        return false;
    setCheckedBelow(item, value.value<Qt::CheckState>() != Qt::Unchecked);
    announceCheckChange(index);
    return true;
}

Qt::ItemFlags PstTreeViewFilterModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags flags = QSortFilterProxyModel::flags(index);
    return m_checkable && index.isValid() ? flags | Qt::ItemIsUserCheckable : flags;
}

// Hidden and filtered folders below it too: what a folder's box says holds
// for its whole subtree.
void PstTreeViewFilterModel::setCheckedBelow(PstItem* item, bool checked)
{
    if (dynamic_cast<PstFolderItem*>(item)) {
        if (checked)
            m_unchecked.remove(item);
        else
            m_unchecked.insert(item);
    }
    for (int row = 0; row < item->childCount(); ++row) {
        if (const auto child = item->child(row))
            setCheckedBelow(child.get(), checked);
    }
}

void PstTreeViewFilterModel::announceCheckChange(const QModelIndex& index)
{
    emit dataChanged(index, index, {Qt::CheckStateRole});
    for (int row = 0; row < rowCount(index); ++row)
        announceCheckChange(this->index(row, 0, index));
}
