// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>
#include <QRunnable>
#include <QString>

#include <memory>

class CancelToken;
class ExportStrategy;
class ProgressReporter;
class PstItem;

// One item's export job on the export thread pool. It parses the item's
// record from the open PST file when it runs (holding the document's lock
// while the record is parsed, written and freed), so a run never holds more
// than one parsed record. Deletes itself after run().
class ExportTask : public QObject, public QRunnable
{
    Q_OBJECT
public:
    // `strategy` is owned by the manager's pool, `reporter` and `token` by
    // the manager; all outlive the task. `total` is the format's item count.
    ExportTask(std::shared_ptr<PstItem> item, std::shared_ptr<ExportStrategy> strategy, QString outputDir,
               ProgressReporter* reporter, CancelToken* token, int total, QObject* parent = nullptr);
    ~ExportTask() override;

    void run() override;

signals:
    // Emitted once from run(): the exporter's format key and whether the item
    // was written.
    void taskFinished(QString formatKey, bool ok);

private:
    bool exportParsedItem();
    void reportProgress(int count) const;

    int m_total = 0;
    std::shared_ptr<PstItem> m_item;
    ExportStrategy* m_strategy = nullptr;
    QString m_outputDir;
    ProgressReporter* m_reporter = nullptr;
    CancelToken* m_token = nullptr;
};
