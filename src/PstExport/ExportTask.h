// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>
#include <QRunnable>
#include <QSemaphore>
#include <QString>

#include <libpst/libpst.h>

#include <atomic>
#include <memory>

class CancelToken;
class ExportStrategy;
class ProgressReporter;
class PstItem;

// One item's export job on the export thread pool. It parses the item's
// record from the open PST file when it runs, unless the run's walk handed
// it the record it parsed (adoptRecord()), and holds the document's lock
// while the record is written and freed. Deletes itself after run().
class ExportTask : public QObject, public QRunnable
{
    Q_OBJECT
public:
    // `strategy` is owned by the manager's pool, `reporter` and `token` by
    // the manager; all outlive the task. `total` is the format's item count.
    ExportTask(std::shared_ptr<PstItem> item, std::shared_ptr<ExportStrategy> strategy, QString outputDir,
               ProgressReporter* reporter, CancelToken* token, int total, QObject* parent = nullptr);
    ~ExportTask() override;

    // Takes `record`, the item's record the walk parsed and prepared
    // (ReparsedRecord::prepare), to write instead of parsing it again. Its
    // `bytes` are taken off `held` once it is freed.
    void adoptRecord(pst_item* record, qint64 bytes, std::atomic<qint64>* held);
    // Holds one of `taskSlots` (acquired by the caller) until the task is
    // deleted: whoever acquires them all knows no task of theirs runs,
    // emits or is being deleted any more.
    void holdSlot(std::shared_ptr<QSemaphore> taskSlots);

    void run() override;

signals:
    // Emitted once from run(): the exporter's format key and whether the item
    // was written.
    void taskFinished(QString formatKey, bool ok);

private:
    bool exportParsedItem();
    // Frees the adopted record, if still held, and gives its bytes back.
    void releaseRecord();
    void reportProgress(int count) const;

    int m_total = 0;
    std::shared_ptr<PstItem> m_item;
    ExportStrategy* m_strategy = nullptr;
    QString m_outputDir;
    ProgressReporter* m_reporter = nullptr;
    CancelToken* m_token = nullptr;
    pst_item* m_record = nullptr;
    qint64 m_recordBytes = 0;
    std::atomic<qint64>* m_heldBytes = nullptr;
    std::shared_ptr<QSemaphore> m_slots;
};
