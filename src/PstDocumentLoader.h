// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstFolderItem.h"

#include <QFutureWatcher>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <memory>

class QThreadPool;

// Opens and parses one PST file on a worker thread, so the window stays
// responsive however large the file. The folders come first, then each
// folder's items; the document is the worker's alone until it hands a part
// over, and the worker never touches a part it has handed over.
class PstDocumentLoader : public QObject
{
    Q_OBJECT
public:
    explicit PstDocumentLoader(const QString& path, QObject* parent = nullptr);
    // Cancels a load still running; its result is dropped.
    ~PstDocumentLoader() override;

    void start();
    // The threads documents and their folders are read on (see
    // FolderItemsReader), apart from the shared pool.
    static QThreadPool* threadPool();
    // Stops the walk soon; nothing more is announced after it.
    void cancel();
    bool isCancelled() const;
    QString path() const { return m_path; }

signals:
    // Items read so far, a few times a second.
    void progress(int itemsRead);
    // The document root with its folders, each flagged as reading its items
    // (PstFolderItem::itemsPending) and none holding any; not announced for
    // a document without folders. The losses come with finished().
    void foldersRead(const std::shared_ptr<PstFolderItem>& root);
    // One folder of foldersRead()'s tree is read: its items by kind, for the
    // receiver to take. Only the document root's own items come along (they
    // come first); any other folder's are let go on the worker, so a large
    // file is never held whole (see PstParser::itemsOf()).
    void folderItemsRead(const std::shared_ptr<PstFolderItem>& folder, const PstFolderItem::ItemCounts& counts,
                         const QList<std::shared_ptr<PstItem>>& items);
    // The document root (the one foldersRead() gave, if it came), or null
    // when the file could not be opened (then `error` says why, for the
    // user) or the load was cancelled. Without foldersRead() before it, the
    // root holds its folders and their items.
    void finished(const std::shared_ptr<PstFolderItem>& root, const QString& error);

private:
    // Shared with the worker, which may outlive this object.
    struct State
    {
        std::atomic<bool> cancelled{false};
        std::atomic<int> itemsRead{0};
    };

    // What the worker hands over, in this order: the folders (unless the
    // document has none), each folder's items, the end.
    struct Stage
    {
        enum Kind { Folders, FolderItems, Done };
        Kind kind = Done;
        // The document root, or the folder of the items.
        std::shared_ptr<PstFolderItem> folder;
        PstFolderItem::ItemCounts counts;
        QList<std::shared_ptr<PstItem>> items;
        QString error;
    };

    void onStage(int index);
    void reportProgress();

    QString m_path;
    std::shared_ptr<State> m_state;
    QFutureWatcher<Stage> m_watcher;
    QTimer m_progressTimer;
    int m_lastReported = 0;
    Stage m_result;
};
