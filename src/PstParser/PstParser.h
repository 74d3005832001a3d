// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstFolderItem.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class FolderNameDecoder;
class ItemFactory;

// Turns a PST file into a tree of items below a document root. Used once:
// construct, open(), parse(), discard; the root keeps the file open.
class PstParser
{
public:
    PstParser();
    ~PstParser();

    // Opens and indexes the file; false (with a log line) on failure.
    bool open(const QString& path);
    // The document root named after `path`'s file name; empty on failure.
    std::shared_ptr<PstFolderItem> parse(const QString& path);
    // Why the last open() failed, for the user; "" after a success.
    QString openError() const { return m_openError; }
    // Hands a parse's folders and items over as they are read, keeping no
    // item: each folder is started, gets its items, is done, and then come
    // its sub-folders. Folders stay linked to their parents up to the
    // document root, which is neither started nor done (its own items, if
    // any, come first).
    struct Visitor
    {
        std::function<void(const std::shared_ptr<PstFolderItem>& folder)> folderStarted;
        std::function<void(const std::shared_ptr<PstItem>& item)> item;
        std::function<void(const std::shared_ptr<PstFolderItem>& folder)> folderDone;
    };
    // Reads the file like parse() without keeping its items: the document
    // root holds the folders only, its losses and hidden folders as parse()
    // gives them. Empty on the failures parse() reports.
    std::shared_ptr<PstFolderItem> visit(const QString& path, const Visitor& visitor);

    // parse() in two steps, so the folders can be shown before the items
    // are read. parseFolders() gives the document root with every folder,
    // hidden ones marked, each flagged as still reading its items, and no
    // item; empty on the failures parse() reports. readNextFolderItems()
    // then reads one folder's items, in tree order (the document root's
    // own first), without adding them to it or touching the folder: false
    // once every folder is read or the walk was stopped. A document root
    // without folders may still fail: finishFolderItems() says whether the
    // document is as parse() would have returned it.
    std::shared_ptr<PstFolderItem> parseFolders(const QString& path);
    // With `counts`, only the document root's own items are handed over;
    // any other folder's are counted there by kind and let go at once, so a
    // folder of any size takes no memory.
    // With `sizes`, the sizes of the folder's messages are summed there.
    bool readNextFolderItems(std::shared_ptr<PstFolderItem>* folder, QList<std::shared_ptr<PstItem>>* items,
                             PstFolderItem::ItemCounts* counts = nullptr, PstFolderItem::ItemSizes* sizes = nullptr);
    bool finishFolderItems(const std::shared_ptr<PstFolderItem>& root);

    // parse() whose folders keep their counts, not their items: each
    // folder's items are read, counted and let go (itemsOf() reads them
    // again); the document root keeps its own. Memory does not grow with
    // the file.
    std::shared_ptr<PstFolderItem> parseReleased(const QString& path);

    // parseFolders() with only the document root's own items read: the
    // other folders' items are neither read nor counted (read them with
    // readItemsOf()). For a process that writes a part of the document.
    std::shared_ptr<PstFolderItem> parseFolderTree(const QString& path);

    // parseFolders() with every folder's items counted, not read: from the
    // folder's contents table, which lists each message with its class. A
    // folder whose table is unreadable or lacks any of its messages is read
    // as readNextFolderItems() does. Damage inside a message the table
    // lists shows only once the message is read.
    std::shared_ptr<PstFolderItem> countFolderItems(const QString& path);

    // The items of a folder of a parsed document: those it holds, or, once
    // it took only their counts, the same items read again from the file (its
    // losses were counted when the document was opened). Runs on any thread:
    // libpst is held one node at a time.
    static QList<std::shared_ptr<PstItem>> itemsOf(const PstFolderItem& folder);
    // itemsOf() handing each item to `take` as soon as it is read, so a huge
    // folder can be shown while it is read; `take` returns false to stop
    // the read, and then so does this.
    static bool readItemsOf(const PstFolderItem& folder, const std::function<bool(const std::shared_ptr<PstItem>&)>& take);
    // The items of the folder's item nodes `first` up to (not including)
    // `end`, in the order of its nodes, always read from the file: a part of
    // a folder one process of a conversion shared among several writes.
    // Nodes are counted as PstFolderItem::ItemSizes counts them. Not for
    // the document root.
    static QList<std::shared_ptr<PstItem>> readItemsOf(const PstFolderItem& folder, int first, int end);
    // readItemsOf(folder, first, end) for a run that writes each item: a
    // mail comes with its record, parsed by libpst and prepared as
    // ReparsedRecord does, so it is parsed once; `take` owns the record
    // (null for the other items, which are read as readItemsOf() reads
    // them) and frees it under libpst's lock. Stops when `take` returns false.
    using RecordTaker = std::function<bool(const std::shared_ptr<PstItem>& item, pst_item* record)>;
    static bool readItemRecordsOf(const PstFolderItem& folder, int first, int end, const RecordTaker& take);
    // How many item nodes the folder has, as readItemsOf() counts them.
    static int itemNodeCount(const PstFolderItem& folder);
    // The one item of `folder` at descriptor `nodeId`, read as itemsOf()
    // reads it; empty when the folder holds no such item. Runs on any thread.
    static std::shared_ptr<PstItem> itemOf(const PstFolderItem& folder, quint64 nodeId);

    // Drops this parser's reference to the file.
    void close();

    // Mails are listed from their list fields, read with our own property
    // reader; libpst parses them fully only when they are shown or written.
    // Off: every item is parsed by libpst at once (the reference).
    void setLightOpen(bool light) { m_lightOpen = light; }
    // Called from the parsing thread with the number of items read so far,
    // every few hundred items; returning false stops the walk, and parse()
    // then yields nothing.
    void setProgressHandler(std::function<bool(int itemsRead)> handler) { m_progress = std::move(handler); }

private:
    // Reads the folder's item nodes `first` up to (not including) `end` from
    // the file, handing each item to `take` until it returns false.
    static bool readNodeItems(const PstFolderItem& folder, int first, int end,
                              const std::function<bool(const std::shared_ptr<PstItem>&)>& take);
    // readItemRecordsOf(); without records, every item is read as
    // readItemsOf() reads it.
    static bool readItemRecordsOf(const PstFolderItem& folder, int first, int end, const RecordTaker& take,
                                  bool withRecords);
    // The mail of a message node with its prepared record, or no item (and
    // no record) when the node is no sound, parsable mail.
    std::pair<std::shared_ptr<PstItem>, pst_item*> readMailRecord(pst_desc_tree* node);
    // The folders whose items parseFolders() left to readNextFolderItems(),
    // in tree order, each with its first child node (null when it has none
    // to read), and the items among a folder's nodes that are no messages,
    // read with the folders.
    struct PendingFolder
    {
        std::shared_ptr<PstFolderItem> folder;
        pst_desc_tree* firstChild;
    };
    void fail();
    // libpst's record of node, or null when the node is damaged (logged) or
    // libpst cannot parse it.
    pst_item* parseSoundItem(pst_desc_tree* node);
    static pst_desc_tree* topFromStoreEntry(pst_file* file);
    // Whether `folder` is one of Outlook's internal ones (libpst lock held).
    bool inInternalFolder(const std::shared_ptr<PstFolderItem>& folder) const;
    void processLevel(pst_desc_tree* node, const std::shared_ptr<PstFolderItem>& parentFolder);
    std::shared_ptr<PstFolderItem> startParsing(const QString& path, pst_desc_tree** top);
    std::shared_ptr<PstFolderItem> finishParsing(const std::shared_ptr<PstFolderItem>& root);
    void visitLevel(pst_desc_tree* first, const std::shared_ptr<PstFolderItem>& folder, const Visitor& visitor);
    // True when the document has something to show; false (with a log
    // line) for a file whose folders and map are all unreadable.
    bool isReadable(const std::shared_ptr<PstFolderItem>& root);
    // Reads the folders below `first` for parseFolders(), noting each one's
    // items for readNextFolderItems().
    void readFolderLevel(pst_desc_tree* first, const std::shared_ptr<PstFolderItem>& folder);
    // Counts `node` towards the progress, then reads it under libpst's lock
    // as an item one level below `folder`; null when the open was stopped
    // or the node gave no item.
    std::shared_ptr<PstItem> readCountedItem(pst_desc_tree* node, const std::shared_ptr<PstFolderItem>& folder,
                                             bool* damagedFolder);
    // The item of one node of `parentFolder`, null when it is damaged,
    // unparsable or of a class the program does not show (each counted as
    // lost). A damaged folder that has contents gives a stand-in folder
    // for them, with `damagedFolder` set.
    std::shared_ptr<PstItem> readItem(pst_desc_tree* node, const std::shared_ptr<PstFolderItem>& parentFolder,
                                      bool* damagedFolder);
    // The stand-in for a damaged folder's contents, or null for any other
    // node libpst could not read.
    std::shared_ptr<PstItem> unreadNode(pst_desc_tree* node, const std::shared_ptr<PstFolderItem>& parentFolder,
                                        bool* damagedFolder);
    void countItem();
    // Counts one item node of a folder (its item, null when it gave none).
    static void addItemSize(const std::shared_ptr<PstItem>& item, PstFolderItem::ItemSizes* sizes);
    // The counts of a pending folder's items from its contents table, with
    // the messages of a class not shown counted as lost; nothing when the
    // table cannot stand in for reading the messages.
    std::optional<PstFolderItem::ItemCounts> countFromTable(const PendingFolder& pending,
                                                            const QHash<quint32, pst_desc_tree*>& tables);
    // Each folder's contents table by node id.
    QHash<quint32, pst_desc_tree*> contentsTables() const;
    bool endIfCancelled();

    QString m_pstPath;
    QString m_openError;
    std::shared_ptr<pst_file> m_pstFile;
    std::unique_ptr<ItemFactory> m_factory;
    std::unique_ptr<FolderNameDecoder> m_folderNames;
    std::shared_ptr<ParseLosses> m_losses;
    quint64 m_topOfFoldersId = 0;
    // Items a visit handed over from the document root itself.
    int m_rootItemsVisited = 0;
    bool m_lightOpen = true;
    std::function<bool(int)> m_progress;
    int m_itemsRead = 0;
    bool m_stopped = false;
    QList<PendingFolder> m_pendingFolders;
    qsizetype m_nextPendingFolder = 0;
    QHash<const pst_desc_tree*, std::shared_ptr<PstItem>> m_itemsReadWithFolders;
    // Names and addresses the items repeat, held once (see LightItemReader).
    QSet<QString> m_sharedTexts;
};
