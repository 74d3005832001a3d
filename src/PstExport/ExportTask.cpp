#include "ExportTask.h"

#include "CancelToken.h"
#include "ExportStrategy.h"
#include "ProgressReporter.h"
#include "PstItem.h"

#include <QDebug>
#include <QMetaObject>
#include <QMutexLocker>

#include <algorithm>

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

ExportTask::~ExportTask() = default;

void ExportTask::run()
{
    const QString formatKey = m_strategy->formatKey();
    if (m_token && m_token->isCancelled()) {
        emit taskFinished(formatKey, false);
        return;
    }
    emit taskFinished(formatKey, exportParsedItem());
}

bool ExportTask::exportParsedItem()
{
    const std::shared_ptr<pst_file> file = m_item ? m_item->pstFile() : nullptr;
    const std::shared_ptr<QRecursiveMutex> lock = m_item ? m_item->pstLock() : nullptr;
    // The GUI thread re-parses records of the same file (bodies,
    // attachments); libpst's file object must not serve both at once.
    QMutexLocker<QRecursiveMutex> locker(lock.get());
    // A record that cannot be parsed still goes to the exporter, which
    // reports it as a failed item.
    pst_item* record = (file && m_item->pstTree()) ? pst_parse_item(file.get(), m_item->pstTree(), nullptr) : nullptr;
    m_strategy->setPstFile(file.get());
    const bool ok = m_strategy->exportItem(record, m_outputDir, m_token, [this](int count) { reportProgress(count); });
    m_strategy->setPstFile(nullptr);
    if (record)
        pst_freeItem(record);
    return ok;
}

void ExportTask::reportProgress(int count) const
{
    // About one notification per per cent of the format, and always the last.
    const int step = std::max(m_total / 100, 1);
    if (count % step == 0 || count == m_total) {
        if (m_reporter)
            QMetaObject::invokeMethod(m_reporter, "onProgress", Qt::QueuedConnection, Q_ARG(int, count));
        qDebug() << "step :" << step << " progress % step" << count % step;
    }
}
