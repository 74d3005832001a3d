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
    // A click on the chosen row brings it back after an attached mail was opened.
    connect(m_view, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        const QModelIndex source = m_proxy->mapToSource(index);
        if (source.isValid() && source.row() < m_items.size() && m_items.at(source.row()) == m_announced.lock())
            emit itemChosenAgain(m_items.at(source.row()));
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

int PstListController::sortRoleOf(SortField field)
{
    switch (field) {
    case SubjectField: return PstListModel::SubjectRole;
    case DateField: return PstListModel::SortDateRole;
    case SizeField: return PstListModel::SizeRole;
    case KindField: return PstListModel::TypeRole;
    case DisplayField: break;
    }
    return Qt::DisplayRole;
}

void PstListController::sort(SortField field, SortOrder order)
{
    if (order == ModelOrder) {
        m_proxy->sort(-1);
        return;
    }
    m_proxy->setSortRole(sortRoleOf(field));
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
