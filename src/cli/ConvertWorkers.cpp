// SPDX-License-Identifier: GPL-2.0-or-later
#include "ConvertWorkers.h"

#include "CliDocument.h"
#include "ExportManager.h"
#include "ExportWorkers.h"
#include "ProgressReporter.h"

#include <QEventLoop>
#include <QTextStream>

#include <cstdio>

int ConvertWorkers::runWorker(const Job& job, const QStringList& folderIds)
{
    const auto root = CliDocument::open(job.pstPath);
    if (!root)
        return 1;
    QTextStream out(stdout);
    const auto report = [&out](const QString& line) { out << line << "\n" << Qt::flush; };
    ExportManager manager;
    manager.setIgnoreEmptyFolder(false);
    manager.setFolderShare([folderIds](const PstFolderItem& folder) { return ExportWorkers::isInShare(folder, folderIds); });
    QEventLoop loop;
    QObject::connect(&manager, &ExportManager::progressReady, &manager,
                     [&report](const QString& label, std::shared_ptr<ProgressReporter> reporter, int) {
                         QString key;
                         for (const QString& each : ExportManager::allFormats()) {
                             if (ExportManager::progressLabel(each) == label)
                                 key = each;
                         }
                         QObject::connect(reporter.get(), &ProgressReporter::progressUpdated, reporter.get(),
                                          [report, key](int done) { report(QStringLiteral("progress %1 %2").arg(key).arg(done)); });
                     });
    bool nothingToDo = false;
    QObject::connect(&manager, &ExportManager::exportItemNotFound, &manager, [&nothingToDo] { nothingToDo = true; });
    QObject::connect(&manager, &ExportManager::exportCompleted, &loop, &QEventLoop::quit);
    manager.startExportToFiles(root, job.outputDir, job.formats);
    if (!nothingToDo)
        loop.exec();
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
