// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstListController.h"

#include "PstDocumentLoader.h"
#include "PstListFilterModel.h"
#include "PstListModel.h"
#include "PstListOrder.h"
#include "PstListViewDelegate.h"

#include <QFutureWatcher>
#include <QListView>
#include <QSortFilterProxyModel>
#include <QtConcurrent>

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
        const std::shared_ptr<PstItem> item = m_model->item(m_proxy->mapToSource(index));
        if (item && item == m_announced.lock())
            emit itemChosenAgain(item);
    });
}

void PstListController::setList(const QList<std::shared_ptr<PstItem>>& items)
{
    // QList compares the shared pointers, that is the items' identity.
    if (!m_loading && items == m_model->items())
        return;
    announce(nullptr);
    m_loading = false;
    m_model->setItems(items);
    applySort();
}

void PstListController::appendItems(const QList<std::shared_ptr<PstItem>>& items)
{
    m_loading = true;
    // A sort still running was made for fewer rows.
    ++m_sortRequest;
    setSorting(false);
    m_model->appendItems(items);
}

void PstListController::finishList()
{
    if (!m_loading)
        return;
    m_loading = false;
    applySort();
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
    m_sortField = field;
    m_sortOrder = order;
    // The folder order needs no sorting, so it is shown at once, also while
    // the folder is read.
    if (order == ModelOrder) {
        ++m_sortRequest;
        setSorting(false);
        m_model->setOrder({});
        return;
    }
    applySort();
}

void PstListController::applySort()
{
    const quint64 request = ++m_sortRequest;
    setSorting(false);
    // A folder still being read is sorted once it is whole.
    if (m_loading)
        return;
    if (m_sortOrder == ModelOrder) {
        m_model->setOrder({});
        return;
    }
    const QList<std::shared_ptr<PstItem>> items = m_model->items();
    const int role = sortRoleOf(m_sortField);
    const Qt::SortOrder order = m_sortOrder == Descending ? Qt::DescendingOrder : Qt::AscendingOrder;
    if (items.size() <= kLargestInlineSort) {
        m_model->setOrder(PstListOrder::sorted(items, role, order));
        return;
    }
    // A large folder is sorted on a worker thread; the list shows its rows
    // as they are meanwhile.
    auto* watcher = new QFutureWatcher<QList<int>>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, request] {
        watcher->deleteLater();
        if (request != m_sortRequest)
            return;
        setSorting(false);
        m_model->setOrder(watcher->result());
        // The chosen row stays in sight.
        const QModelIndex current = m_view->currentIndex();
        if (current.isValid())
            m_view->scrollTo(current);
    });
    setSorting(true);
    watcher->setFuture(QtConcurrent::run(PstDocumentLoader::threadPool(),
                                         [items, role, order] { return PstListOrder::sorted(items, role, order); }));
}

void PstListController::setSorting(bool sorting)
{
    if (sorting == m_sorting)
        return;
    m_sorting = sorting;
    emit sortingChanged(sorting);
}

bool PstListController::isEmpty() const
{
    return m_model->rowCount() == 0;
}

QList<std::shared_ptr<PstItem>> PstListController::items() const
{
    return m_model->items();
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
    const std::shared_ptr<PstItem> item = m_model->item(m_proxy->mapToSource(proxyIndex));
    if (item && item != m_announced.lock())
        announce(item);
}

void PstListController::announce(const std::shared_ptr<PstItem>& item)
{
    m_announced = item;
    emit itemSelected(item);
}
