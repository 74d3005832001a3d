// SPDX-License-Identifier: GPL-2.0-or-later
#include "FolderItemsReader.h"

#include "PstDocumentLoader.h"
#include "PstParser.h"

#include <QMutexLocker>
#include <QPointer>
#include <QThreadPool>

FolderItemsReader::FolderItemsReader(const std::shared_ptr<PstFolderItem>& folder, QObject* parent)
    : QObject(parent), m_folder(folder), m_shared(std::make_shared<Shared>())
{
    m_shared->reader = this;
    m_batchTimer.setInterval(kBatchIntervalMs);
    connect(&m_batchTimer, &QTimer::timeout, this, &FolderItemsReader::deliver);
}

FolderItemsReader::~FolderItemsReader()
{
    cancel();
}

void FolderItemsReader::cancel()
{
    // Under the mutex: once it is released the worker never names this reader again.
    const QMutexLocker locker(&m_shared->mutex);
    m_shared->cancelled = true;
    m_shared->reader = nullptr;
    m_shared->pending.clear();
    m_batchTimer.stop();
}

void FolderItemsReader::start()
{
    const std::shared_ptr<Shared> shared = m_shared;
    const std::shared_ptr<PstFolderItem> folder = m_folder;
    PstDocumentLoader::threadPool()->start([shared, folder] {
        // Items are handed over a few hundred at a time, so the GUI thread
        // seldom meets the lock taken, and never for long.
        QList<std::shared_ptr<PstItem>> read;
        int handedOver = 0;
        QElapsedTimer sinceHandOver;
        sinceHandOver.start();
        const auto handOver = [&] {
            const QMutexLocker locker(&shared->mutex);
            if (shared->cancelled)
                return false;
            const bool firstScreen = handedOver < kFirstBatch;
            handedOver += int(read.size());
            shared->pending.append(std::move(read));
            read.clear();
            sinceHandOver.restart();
            // The first screen of rows goes at once; the timer takes the rest.
            if (firstScreen && handedOver >= kFirstBatch)
                askDelivery(*shared);
            return true;
        };
        const bool whole = PstParser::readItemsOf(*folder, [&](const std::shared_ptr<PstItem>& item) {
            read.append(item);
            const bool due = handedOver < kFirstBatch ? handedOver + read.size() >= kFirstBatch
                                                      : read.size() >= kHandOverEvery
                                                            || sinceHandOver.elapsed() >= kBatchIntervalMs / 2;
            return !due || handOver();
        });
        if (whole && !read.isEmpty() && !handOver())
            return;
        const QMutexLocker locker(&shared->mutex);
        shared->done = true;
        askDelivery(*shared);
    });
    m_batchTimer.start();
}

void FolderItemsReader::askDelivery(Shared& shared)
{
    if (shared.cancelled || shared.deliveryAsked || !shared.reader)
        return;
    shared.deliveryAsked = true;
    QMetaObject::invokeMethod(shared.reader, &FolderItemsReader::deliver, Qt::QueuedConnection);
}

void FolderItemsReader::deliver()
{
    QMutexLocker locker(&m_shared->mutex);
    if (m_finished || m_shared->cancelled)
        return;
    // The first batch is one screen of rows, however many were read by the
    // time the GUI thread gets to it: the list shows them at once.
    QList<std::shared_ptr<PstItem>> batch;
    if (!m_delivered && m_shared->pending.size() > kFirstBatch) {
        batch = m_shared->pending.first(kFirstBatch);
        m_shared->pending.remove(0, kFirstBatch);
    } else {
        batch = std::exchange(m_shared->pending, {});
    }
    const bool done = m_shared->done && m_shared->pending.isEmpty();
    m_shared->deliveryAsked = false;
    locker.unlock();
    m_delivered = m_delivered || !batch.isEmpty();
    // A receiver may end the read: then nothing more is announced.
    const QPointer<FolderItemsReader> self(this);
    if (!batch.isEmpty())
        emit itemsRead(batch);
    if (!self || m_shared->cancelled)
        return;
    if (done) {
        m_finished = true;
        m_batchTimer.stop();
        emit finished();
    }
}
