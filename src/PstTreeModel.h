// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstFolderItem.h"

#include <QAbstractItemModel>

#include <memory>

// The folder tree of every open document, one column. Indexes carry the raw
// PstItem* of their folder; the item tree owns the folders.
class PstTreeModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    // Role 257: the path of the PST file the row belongs to.
    static constexpr int FilePathRole = Qt::UserRole + 1;

    PstTreeModel(const std::shared_ptr<PstFolderItem>& invisibleRoot, QObject* parent = nullptr);

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Appends `child` under `parent` (the invisible root for a new document).
    void addChild(PstFolderItem* parent, const std::shared_ptr<PstItem>& child);
    // Removes the row of `sourceIndex` from its parent; out-of-range rows are ignored.
    void removeIndex(const QModelIndex& sourceIndex);

    // Tells the views that the row of `node` shows new text.
    void refresh(PstItem* node);
    // Removes the row of `node`; nothing when it has none.
    void removeNode(PstItem* node);
    // Moves the folders and items of the document `parsed` into the row of
    // `placeholder` (a document root shown while the file opens), which
    // becomes the document; its name and losses come with completeDocument().
    void adoptDocument(PstFolderItem* placeholder, const std::shared_ptr<PstFolderItem>& parsed);
    // Gives `folder`, shown while its items were read, their counts, and
    // `items` when it keeps them (a document root's own).
    void addFolderItems(PstFolderItem* folder, const PstFolderItem::ItemCounts& counts,
                        const QList<std::shared_ptr<PstItem>>& items);
    // Gives the adopted document its name and losses once every item is read.
    void completeDocument(PstFolderItem* placeholder, const std::shared_ptr<PstFolderItem>& parsed);

    // The node of a valid index, null otherwise.
    static PstItem* itemFromIndex(const QModelIndex& index);

private:
    QModelIndex indexOfNode(PstItem* node) const;

    std::shared_ptr<PstFolderItem> m_invisibleRoot;
};
