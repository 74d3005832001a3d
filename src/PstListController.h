// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstItem.h"
#include "PstListFilterModel.h"

#include <QItemSelection>
#include <QObject>

#include <memory>

class PstListModel;
class QListView;

// Drives the item list: shows a folder's items, whole or as they are read,
// filters them by the search text, sorts them and announces the chosen item.
// A folder being read is sorted once it is whole; a large one is sorted on a
// worker thread, so the window never waits for a sort.
class PstListController : public QObject
{
    Q_OBJECT
public:
    // DisplayField is the sender of a mail and the name of a contact.
    enum SortField { DisplayField = 0, SubjectField = 1, DateField = 2, SizeField = 3, KindField = 4 };
    enum SortOrder { ModelOrder = -1, Ascending = 0, Descending = 1 };

    PstListController(QListView* view, QObject* parent = nullptr);

    // Shows `items`; an identical list changes nothing, any other announces
    // a null item first and ends a list still growing.
    void setList(const QList<std::shared_ptr<PstItem>>& items);
    // Adds the next items of the folder being read below the rows shown;
    // the selection and the scroll position stay.
    void appendItems(const QList<std::shared_ptr<PstItem>>& items);
    // The folder being read is whole: the chosen sort applies now.
    void finishList();
    // Keeps the rows matching `text` (see PstListFilterModel).
    void filter(const QString& text);
    void sort(SortField field, SortOrder order);
    // The list model's role a field sorts by.
    static int sortRoleOf(SortField field);
    bool isEmpty() const;
    // True between appendItems() and finishList().
    bool isLoading() const { return m_loading; }
    // True while a large list is sorted on a worker thread.
    bool isSorting() const { return m_sorting; }

    // In folder order.
    QList<std::shared_ptr<PstItem>> items() const;
    PstListModel* model() const { return m_model; }
    QSortFilterProxyModel* proxy() const { return m_proxy; }

    // Lists up to this long are sorted at once on the GUI thread (a few
    // milliseconds); longer ones on a worker thread.
    static constexpr int kLargestInlineSort = 2000;

signals:
    // The chosen row was clicked again.
    void itemChosenAgain(const std::shared_ptr<PstItem>& item);
    // The chosen item; null when the list was replaced.
    void itemSelected(const std::shared_ptr<PstItem>& item);
    // A sort started or ended on the worker thread.
    void sortingChanged(bool sorting);

private slots:
    void onSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);

private:
    void onListItemClicked(const QModelIndex& proxyIndex);
    void announce(const std::shared_ptr<PstItem>& item);
    // Orders the rows by the chosen sort, unless the list is still growing.
    void applySort();
    void setSorting(bool sorting);

    QListView* m_view = nullptr;
    PstListModel* m_model = nullptr;
    PstListFilterModel* m_proxy = nullptr;
    SortField m_sortField = DisplayField;
    SortOrder m_sortOrder = ModelOrder;
    bool m_loading = false;
    bool m_sorting = false;
    // Counts the sorts asked for, so a sort finishing after the list or the
    // choice changed is dropped.
    quint64 m_sortRequest = 0;
    // The item last announced, so a row reached by both a selection and a
    // current-row change is announced once.
    std::weak_ptr<PstItem> m_announced;
};
