// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstItem.h"

#include <QAbstractListModel>

#include <memory>

// The items of one folder, one row each, in folder order.
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

    // Replaces every row (a model reset).
    void setItems(const QList<std::shared_ptr<PstItem>>& items);
    QList<std::shared_ptr<PstItem>> items() const { return m_items; }
    // The item of a row of this model; null for an invalid index.
    const PstItem* itemAt(const QModelIndex& index) const;

private:
    QList<std::shared_ptr<PstItem>> m_items;
};
