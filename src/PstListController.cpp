// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstListController.h"

#include "PstListFilterModel.h"
#include "PstListModel.h"
#include "PstListViewDelegate.h"

#include <QListView>
#include <QSortFilterProxyModel>

PstListController::PstListController(QListView* view, QObject* parent)
    : QObject(parent)
    , m_view(view)
    , m_model(new PstListModel(this))
    , m_proxy(new PstListFilterModel(this))
{
    m_proxy->setSourceModel(m_model);
    m_proxy->setSortRole(Qt::DisplayRole);
    m_view->setModel(m_proxy);
    m_view->setItemDelegate(new PstListViewDelegate(m_view));
    m_view->setMinimumWidth(0);
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged,
            this, &PstListController::onSelectionChanged);
    // The detail pane follows the current row, also when the keyboard moves it.
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (current.isValid())
            onListItemClicked(current);
    });
}

void PstListController::setList(const QList<std::shared_ptr<PstItem>>& items)
{
    // QList compares the shared pointers, that is the items' identity.
    if (items == m_items)
        return;
    announce(nullptr);
    m_items = items;
    m_model->setItems(items);
}

void PstListController::filter(const QString& text)
{
    m_proxy->setSearchText(text);
}

void PstListController::sort(SortField field, SortOrder order)
{
    if (order == ModelOrder) {
        m_proxy->sort(-1);
        return;
    }
    m_proxy->setSortRole(field == SubjectField ? int(PstListModel::SubjectRole) : int(Qt::DisplayRole));
    m_proxy->sort(0, order == Descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void PstListController::onSelectionChanged(const QItemSelection& selected, const QItemSelection&)
{
    const QModelIndexList indexes = selected.indexes();
    if (indexes.isEmpty())
        return;
    onListItemClicked(indexes.first());
}

void PstListController::onListItemClicked(const QModelIndex& proxyIndex)
{
    const QModelIndex source = m_proxy->mapToSource(proxyIndex);
    if (!source.isValid() || source.row() >= m_items.size())
        return;
    const std::shared_ptr<PstItem>& item = m_items.at(source.row());
    if (item && item != m_announced.lock())
        announce(item);
}

void PstListController::announce(const std::shared_ptr<PstItem>& item)
{
    m_announced = item;
    emit itemSelected(item);
}
