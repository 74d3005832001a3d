// SPDX-License-Identifier: GPL-2.0-or-later
#include "ExportTask.h"

#include "MessageBody.h"
#include "ReparsedRecord.h"

#include "CancelToken.h"
#include "ExportStrategy.h"
#include "ProgressReporter.h"
#include "PstItem.h"

#include <QDebug>
#include <QMetaObject>
#include <QMutexLocker>

#include <algorithm>
#include <utility>

ExportTask::ExportTask(std::shared_ptr<PstItem> item, std::shared_ptr<ExportStrategy> strategy, QString outputDir,
                       ProgressReporter* reporter, CancelToken* token, int total, QObject* parent)
    : QObject(parent)
    , m_total(total)
    , m_item(std::move(item))
    , m_strategy(strategy.get())
    , m_outputDir(std::move(outputDir))
    , m_reporter(reporter)
    , m_token(token)
{
    setAutoDelete(true);
}

ExportTask::~ExportTask()
{
    // A task deleted without running frees what it was given.
    ReparsedRecord::release(std::exchange(m_record, nullptr));
    // Its manager may be destroyed the moment the slot is back: nothing of
    // this object may reach it after that, not even the disconnection its
    // QObject destructor would do.
    disconnect();
    if (m_slots)
        m_slots->release();
}

void ExportTask::adoptRecord(pst_item* record, qint64 bytes, std::atomic<qint64>* held)
{
    m_record = record;
    m_recordBytes = bytes;
    m_heldBytes = held;
}

void ExportTask::holdSlot(std::shared_ptr<QSemaphore> taskSlots)
{
    m_slots = std::move(taskSlots);
}

void ExportTask::releaseRecord()
{
    ReparsedRecord::release(std::exchange(m_record, nullptr));
    if (m_heldBytes)
        *std::exchange(m_heldBytes, nullptr) -= m_recordBytes;
}

void ExportTask::run()
{
    const QString formatKey = m_strategy->formatKey();
    const bool ok = !(m_token && m_token->isCancelled()) && exportParsedItem();
    // Before the manager hears of the end: it may be gone right after.
    releaseRecord();
    emit taskFinished(formatKey, ok);
}

bool ExportTask::exportParsedItem()
{
    if (!m_item)
        return m_strategy->exportItem(nullptr, m_outputDir, m_token, [this](int count) { reportProgress(count); });
    // Holds the document's lock while the record lives: the GUI thread
    // re-parses records of the same file (bodies, attachments), and libpst's
    // file object must not serve both at once. A record that cannot be
    // parsed still goes to the exporter, which reports it as a failed item.
    const ReparsedRecord reparsed(*m_item, std::exchange(m_record, nullptr));
    // A body kept only as RTF, or HTML kept inside RTF, is written as the
    // window shows it.
    MessageBody::completeRecord(reparsed.record());
    m_strategy->setPstFile(reparsed.file());
    m_strategy->setSourceItem(m_item.get());
    m_strategy->setPstNode(m_item->pstTree());
    m_strategy->setPstLock(reparsed.lock());
    const bool ok = m_strategy->exportItem(reparsed.record(), m_outputDir, m_token, [this](int count) { reportProgress(count); });
    m_strategy->setSourceItem(nullptr);
    m_strategy->setPstFile(nullptr);
    m_strategy->setPstNode(nullptr);
    m_strategy->setPstLock(nullptr);
    return ok;
}

void ExportTask::reportProgress(int count) const
{
    // About one notification per per cent of the format, and always the last.
    const int step = std::max(m_total / 100, 1);
    if (count % step == 0 || count == m_total) {
        if (m_reporter)
            QMetaObject::invokeMethod(m_reporter, "onProgress", Qt::QueuedConnection, Q_ARG(int, count));
    }
}
