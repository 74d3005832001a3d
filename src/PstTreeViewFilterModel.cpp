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
