// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstFolderItem.h"

#include <QElapsedTimer>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QTimer>

#include <memory>

// Reads the items of one folder on a worker thread and hands them to the
// GUI thread as they come: the first few at once, so the list shows its
// first screen quickly, then everything read meanwhile a few times a
// second, so a folder of any size never holds the GUI thread for long.
// libpst is held one node at a time (see PstParser::readItemsOf()), so the
// GUI thread may read an item meanwhile. Deleting the reader stops the
// read; nothing is announced after that.
class FolderItemsReader : public QObject
{
    Q_OBJECT
public:
    // Items handed over at once when the read starts.
    static constexpr int kFirstBatch = 100;
    // How often the items read since are handed over.
    static constexpr int kBatchIntervalMs = 50;
    // The worker passes items on in groups of this many after the first batch.
    static constexpr int kHandOverEvery = 256;

    explicit FolderItemsReader(const std::shared_ptr<PstFolderItem>& folder, QObject* parent = nullptr);
    ~FolderItemsReader() override;

    void start();
    // Stops the read soon; nothing more is announced.
    void cancel();
    bool isFinished() const { return m_finished; }
    std::shared_ptr<PstFolderItem> folder() const { return m_folder; }

signals:
    // Items read since the last batch, in folder order.
    void itemsRead(const QList<std::shared_ptr<PstItem>>& items);
    // Every item is handed over.
    void finished();

private:
    // Shared with the worker, which may outlive the reader.
    struct Shared
    {
        QMutex mutex;
        QList<std::shared_ptr<PstItem>> pending;
        bool cancelled = false;
        bool done = false;
        // The reader was asked to hand over the pending items.
        bool deliveryAsked = false;
        FolderItemsReader* reader = nullptr;
    };

    // Takes the pending items (on the GUI thread).
    void deliver();
    // Asks the reader, from the worker, to hand over soon (mutex held).
    static void askDelivery(Shared& shared);

    std::shared_ptr<PstFolderItem> m_folder;
    std::shared_ptr<Shared> m_shared;
    QTimer m_batchTimer;
    bool m_finished = false;
    // Some items were handed over.
    bool m_delivered = false;
};
