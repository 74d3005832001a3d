// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstItem.h"

#include <QAbstractListModel>

#include <memory>

// The items of one folder, one row each, in folder order or in the order
// setOrder() gives. A folder being read grows by appendItems().
class PstListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    // Roles beyond display (displayName) and decoration (icon resource path).
    enum Role {
        TypeRole = Qt::UserRole + 1,       // 257: ItemType as int
        SubjectRole = Qt::UserRole + 2,    // 258: subject()
        MailDateRole = Qt::UserRole + 3,   // 259: mail sent date "yyyy/MM/dd"
        AttachmentRole = Qt::UserRole + 4, // 260: mail has attachments
        DurationRole = Qt::UserRole + 6,   // 262: duration()
        StartDateRole = Qt::UserRole + 7,  // 263: "startDate" formatted
        CreateDateRole = Qt::UserRole + 8, // 264: "createDate" formatted
        CompletedRole = Qt::UserRole + 10, // 266: task completed
        SortDateRole = Qt::UserRole + 11,  // 267: the item's date in seconds (sent, start, created), 0 for none
        SizeRole = Qt::UserRole + 12,      // 268: the message's size in bytes, 0 when not stored
    };

    explicit PstListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // A role's value for one item, as data() gives it for the item's row.
    // Reads the item only, so it runs on any thread.
    static QVariant itemData(const PstItem& item, int role);

    // Replaces every row (a model reset), in folder order.
    void setItems(const QList<std::shared_ptr<PstItem>>& items);
    // Adds rows at the bottom (rows inserted): the next items of the folder.
    void appendItems(const QList<std::shared_ptr<PstItem>>& items);
    // Shows the rows in `order`: the positions in items() from top to bottom
    // (see PstListOrder); empty for folder order. The selection and the
    // current row move with their items. False, changing nothing, when the
    // order does not cover the items (it was made for another list).
    bool setOrder(const QList<int>& order);
    bool isInFolderOrder() const { return m_order.isEmpty(); }
    // In folder order.
    QList<std::shared_ptr<PstItem>> items() const { return m_items; }
    // The item of a row of this model; null for an invalid index.
    const PstItem* itemAt(const QModelIndex& index) const;
    std::shared_ptr<PstItem> item(const QModelIndex& index) const;

private:
    // The position in m_items of a row's item.
    int positionOf(int row) const;

    QList<std::shared_ptr<PstItem>> m_items;
    // Row to position in m_items; empty for folder order.
    QList<int> m_order;
};
