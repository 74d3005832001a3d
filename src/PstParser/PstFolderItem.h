// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ParseLosses.h"
#include "PstItem.h"

#include <QHash>

// A folder of a PST document, or a document root (node level 0).
class PstFolderItem : public PstItem
{
public:
    // Empty when the node or record is missing or the record is no folder.
    static std::shared_ptr<PstFolderItem> creteFromPstItem(pst_desc_tree* node, pst_item* record);

    ItemType type() const override { return Folder; }
    QString icon() const override;
    std::shared_ptr<PstItem> clone() const override;

    void addItem(const std::shared_ptr<PstItem>& item);
    // The container class ("IPF.Note", ...); Latin-1; null gives "".
    void setFolderType(const char* containerClass);
    QString folderType() const { return m_folderType; }

    // The items the folder holds: all of them, or none when it took only
    // their counts (read them with PstParser::itemsOf()).
    QList<std::shared_ptr<PstItem>> items() const { return m_items; }
    // How many items the folder has, held or not; by kind too.
    int itemCount() const { return m_itemCount; }
    int itemCount(ItemType type) const { return m_kindCounts.value(type); }
    // False for a folder that took the counts of items it does not hold
    // (setReadItems()): a folder nobody looks at holds none.
    bool holdsItems() const { return m_itemCount == m_items.size(); }
    // "" for an empty folder, otherwise " (N items)".
    QString itemCountStr() const;

    // Outlook's own folders (search roots, reminders, ...), not the user's;
    // the window shows them only on request.
    bool isHidden() const { return m_hidden; }
    void setHidden(bool hidden) { m_hidden = hidden; }
    // Set while a window's open has shown the folder but not yet read its
    // items (see PstParser::parseFolders).
    bool itemsPending() const { return m_itemsPending; }
    void setItemsPending(bool pending) { m_itemsPending = pending; }
    // Adds a pending folder's items once they are read; it is pending no more.
    void addReadItems(const QList<std::shared_ptr<PstItem>>& items);
    // Items by kind.
    using ItemCounts = QHash<ItemType, int>;
    // What was read of a pending folder's items: the items themselves when
    // given (a document root keeps its own), otherwise only their counts,
    // the items let go elsewhere. It is pending no more.
    void setReadItems(const ItemCounts& counts, const QList<std::shared_ptr<PstItem>>& items);
    // The sizes of the folder's messages as they were read (PR_MESSAGE_SIZE):
    // their sum, how many item nodes the folder has (damaged and unshown
    // ones included, as PstParser::readItemsOf() counts them) and the
    // running sum after every kNodesPerSizeMark of them, so a run can cut
    // the folder into parts of about equal size. Empty when not read.
    struct ItemSizes
    {
        static constexpr int kNodesPerSizeMark = 256;
        qint64 bytes = 0;
        int nodes = 0;
        QList<qint64> marks;
    };
    const ItemSizes& itemSizes() const { return m_itemSizes; }
    void setItemSizes(const ItemSizes& sizes) { m_itemSizes = sizes; }
    // Set on a document root by the parser; empty on other folders.
    std::shared_ptr<ParseLosses> losses() const { return m_losses; }
    void setLosses(const std::shared_ptr<ParseLosses>& losses) { m_losses = losses; }

private:
    std::shared_ptr<ParseLosses> m_losses;
    QString m_folderType;
    bool m_hidden = false;
    bool m_itemsPending = false;
    QList<std::shared_ptr<PstItem>> m_items;
    int m_itemCount = 0;
    ItemCounts m_kindCounts;
    ItemSizes m_itemSizes;
};
