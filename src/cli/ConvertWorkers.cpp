// SPDX-License-Identifier: GPL-2.0-or-later
#include "ConvertWorkers.h"

#include "CliDocument.h"
#include "ExportManager.h"
#include "ExportWorkers.h"
#include "ProgressReporter.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QHash>
#include <QTextStream>

#include <cstdio>

namespace {

// A worker writes items far faster than anyone reads progress: a line
// every so often, and the last count always.
constexpr qint64 kProgressIntervalMs = 100;

} // namespace

int ConvertWorkers::runWorker(const Job& job, const QStringList& folderIds)
{
    // Only its share's items are read, and those as they are written.
    const auto root = CliDocument::openFolderTree(job.pstPath);
    if (!root)
        return 1;
    QTextStream out(stdout);
    const auto report = [&out](const QString& line) { out << line << "\n" << Qt::flush; };
    ExportManager manager;
    manager.setIgnoreEmptyFolder(false);
    manager.setFolderShare([folderIds](const PstFolderItem& folder) { return ExportWorkers::partsOf(folder, folderIds); });
    QEventLoop loop;
    QHash<QString, int> done;
    QHash<QString, int> reported;
    QElapsedTimer sinceReport;
    sinceReport.start();
    const auto reportProgress = [&] {
        for (auto it = done.cbegin(); it != done.cend(); ++it) {
            if (reported.value(it.key(), -1) != it.value())
                report(QStringLiteral("progress %1 %2").arg(it.key()).arg(it.value()));
            reported[it.key()] = it.value();
        }
        sinceReport.restart();
    };
    QObject::connect(&manager, &ExportManager::progressReady, &manager,
                     [&](const QString& label, std::shared_ptr<ProgressReporter> reporter, int) {
                         QString key;
                         for (const QString& each : ExportManager::allFormats()) {
                             if (ExportManager::progressLabel(each) == label)
                                 key = each;
                         }
                         QObject::connect(reporter.get(), &ProgressReporter::progressUpdated, reporter.get(),
                                          [&, key](int count) {
                                              done[key] = count;
                                              if (sinceReport.elapsed() >= kProgressIntervalMs)
                                                  reportProgress();
                                          });
                     });
    bool nothingToDo = false;
    QObject::connect(&manager, &ExportManager::exportItemNotFound, &manager, [&nothingToDo] { nothingToDo = true; });
    QObject::connect(&manager, &ExportManager::exportCompleted, &loop, &QEventLoop::quit);
    manager.startExportToFiles(root, job.outputDir, job.formats);
    if (!nothingToDo)
        loop.exec();
    reportProgress();
    const QMap<QString, QMap<QString, int>> found = manager.lastRunFound();
    for (auto folder = found.cbegin(); folder != found.cend(); ++folder) {
        for (auto count = folder->cbegin(); count != folder->cend(); ++count) {
            if (count.value() > 0)
                report(QStringLiteral("found %1 %2 %3").arg(folder.key(), count.key()).arg(count.value()));
        }
    }
    for (const QString& key : job.formats) {
        int total = 0, failed = 0;
        for (const ExportManager::FormatResult& result : manager.lastRunSummary()) {
            if (result.key == key)
                total = result.total, failed = result.failed;
        }
        report(QStringLiteral("result %1 %2 %3").arg(key).arg(total).arg(failed));
        const QMap<QString, int> reasons = manager.lastRunFailureReasons().value(key);
        for (auto it = reasons.begin(); it != reasons.end(); ++it)
            report(QStringLiteral("reason %1 %2 %3").arg(key).arg(it.value()).arg(QString(it.key()).replace(QLatin1Char('\n'), QLatin1Char(' '))));
    }
    return 0;
}
