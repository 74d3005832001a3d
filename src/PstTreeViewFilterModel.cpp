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

bool PstTreeViewFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    if (!m_hideEmptyFolders)
        return QSortFilterProxyModel::filterAcceptsRow(sourceRow, sourceParent);
    return holdsItems(sourceModel()->index(sourceRow, 0, sourceParent));
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
        if (holdsItems(sourceModel()->index(row, 0, sourceIndex)))
            return true;
    }
    return false;
}
