// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstItem.h"
#include "PstListFilterModel.h"

#include <QItemSelection>
#include <QObject>

#include <memory>

class PstListModel;
class QListView;

// Drives the item list: shows a folder's items, filters them by the search
// text, sorts them and announces the chosen item.
class PstListController : public QObject
{
    Q_OBJECT
public:
    // DisplayField is the sender of a mail and the name of a contact.
    enum SortField { DisplayField = 0, SubjectField = 1, DateField = 2, SizeField = 3, KindField = 4 };
    enum SortOrder { ModelOrder = -1, Ascending = 0, Descending = 1 };

    PstListController(QListView* view, QObject* parent = nullptr);

    // Shows `items`; an identical list changes nothing, any other announces
    // a null item first.
    void setList(const QList<std::shared_ptr<PstItem>>& items);
    // Keeps the rows matching `text` (see PstListFilterModel).
    void filter(const QString& text);
    void sort(SortField field, SortOrder order);
    // The list model's role a field sorts by.
    static int sortRoleOf(SortField field);
    bool isEmpty() const { return m_items.isEmpty(); }

    QList<std::shared_ptr<PstItem>> items() const { return m_items; }
    PstListModel* model() const { return m_model; }
    QSortFilterProxyModel* proxy() const { return m_proxy; }

signals:
    // The chosen row was clicked again.
    void itemChosenAgain(const std::shared_ptr<PstItem>& item);
    // The chosen item; null when the list was replaced.
    void itemSelected(const std::shared_ptr<PstItem>& item);

private slots:
    void onSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);

private:
    void onListItemClicked(const QModelIndex& proxyIndex);
    void announce(const std::shared_ptr<PstItem>& item);

    QListView* m_view = nullptr;
    PstListModel* m_model = nullptr;
    PstListFilterModel* m_proxy = nullptr;
    QList<std::shared_ptr<PstItem>> m_items;
    // The item last announced, so a row reached by both a selection and a
    // current-row change is announced once.
    std::weak_ptr<PstItem> m_announced;
};
