// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstFolderItem.h"

#include <QHash>
#include <QObject>
#include <QPersistentModelIndex>
#include <QSet>

#include <memory>

class FolderItemsReader;
class PstDocumentLoader;
class PstTreeModel;
class PstTreeViewFilterModel;
class QAction;
class QMenu;
class QTreeView;

// Drives a folder tree view: opens documents into it, announces the pressed
// folder's items and offers "Show in Folder" / "Close file" on document rows.
class PstTreeController : public QObject
{
    Q_OBJECT
public:
    PstTreeController(QTreeView* view, QObject* parent = nullptr);
    ~PstTreeController() override;

    // Appends a row for the PST file at once and opens and parses it on a
    // worker thread; the row shows the progress, closing it cancels, and
    // openPstFailed() tells when the file cannot be opened.
    void openPstFile(const QString& path);
    // Why the last openPstFile failed, for the user.
    QString lastOpenError() const { return m_lastOpenError; }
    // The open documents' roots (rows still opening included).
    QList<std::shared_ptr<PstItem>> documents() const;
    // True while any document is still being opened.
    bool isOpening() const { return !m_loads.isEmpty(); }
    // True while the document of `root` is still being opened: its folders
    // may be on show without all their items.
    bool isOpening(PstItem* root) const { return m_loads.contains(root); }
    // Appends a parsed document; null is ignored.
    void addRow(const std::shared_ptr<PstItem>& root);
    // The document root of the view's current row; null without a current row.
    std::shared_ptr<PstItem> pstRootNode() const;
    // Builds the document rows' context menu.
    void enableTreeViewMenu();
    void hideEmptyFolders(bool hide);

    // The number of open documents.
    int documentCount() const;
    PstTreeModel* model() const { return m_model; }
    PstTreeViewFilterModel* proxy() const { return m_proxy; }
    QMenu* contextMenu() const { return m_menu.get(); }

    // The file of the current row's document; "" without a current row.
    QString currentDocumentPath() const;
    // Closes the current row's document (File ▸ Close); false without one.
    bool closeCurrentDocument();
    // Makes the row of the document opened from `path` current; false when
    // no open document comes from that file.
    bool selectOpenDocument(const QString& path);

    // The context menu's actions, run on the document row at `proxyIndex`.
    void showInFinder(const QModelIndex& proxyIndex);
    void closeDocument(const QModelIndex& proxyIndex);

    // True while the chosen folder's items are being read again (between
    // folderSelected() with no items and folderRead()).
    bool isReadingFolder() const { return m_readingFolder; }

signals:
    // The chosen folder's items, when it holds them; when they must be read
    // again, an empty list and then folderItemsRead() for each batch read,
    // up to folderRead(). Choosing another folder stops the read at once.
    void folderSelected(const QList<std::shared_ptr<PstItem>>& items);
    void folderItemsRead(const QList<std::shared_ptr<PstItem>>& items);
    void folderRead();
    void openPstFailed(const QString& path);
    void pstTreeViewRowChanged(int rowCount);
    // A document's row holds its folders now that the file is read.
    void documentOpened(const std::shared_ptr<PstItem>& root);
    // A document is about to be closed; its items must no longer be shown.
    void documentClosing(const std::shared_ptr<PstItem>& root);

private slots:
    void onTreeItemClicked(const QModelIndex& proxyIndex);
    void onTreeContextMenu(const QPoint& pos);

private:
    // Shows the folders of a document still opening in its row.
    void showFolders(PstFolderItem* placeholder, const std::shared_ptr<PstFolderItem>& root);
    // Gives a folder its counts (the document row its own items too), and
    // the list its items when it is the current folder.
    void showFolderItems(PstFolderItem* placeholder, const std::shared_ptr<PstFolderItem>& folder,
                         const PstFolderItem::ItemCounts& counts, const QList<std::shared_ptr<PstItem>>& items);
    // Announces the folder's items; a folder that holds only their counts has them
    // read again on a worker thread first.
    void showFolder(PstFolderItem* folder);
    // `error` says why `root` is null (empty after a cancel).
    void finishOpening(PstFolderItem* placeholder, const std::shared_ptr<PstFolderItem>& root, const QString& error);
    // Stops opening the document of `placeholder`; false when it is open.
    bool cancelOpening(PstItem* placeholder);
    void setReadingFolder(bool reading);
    // Stops the read of the folder chosen before, if any.
    void stopReadingFolder();
    void updateBusyCursor();

    QTreeView* m_view = nullptr;
    // The documents still opening, by the root their row shows meanwhile.
    QHash<PstItem*, PstDocumentLoader*> m_loads;
    // Those of them whose folders are on show.
    QSet<PstItem*> m_foldersShown;
    bool m_busyCursor = false;
    std::unique_ptr<QMenu> m_menu;
    QAction* m_showInFinderAction = nullptr;
    QAction* m_closeFileAction = nullptr;
    QPersistentModelIndex m_lastPressed;
    bool m_readingFolder = false;
    FolderItemsReader* m_folderReader = nullptr;
    std::shared_ptr<PstFolderItem> m_invisibleRoot;
    PstTreeModel* m_model = nullptr;
    PstTreeViewFilterModel* m_proxy = nullptr;
    QString m_lastOpenError;
};
