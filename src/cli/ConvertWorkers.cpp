// SPDX-License-Identifier: GPL-2.0-or-later
#include "ConvertWorkers.h"

#include "CliDocument.h"
#include "ExportManager.h"
#include "Log.h"
#include "LossReport.h"
#include "OutputNames.h"
#include "ProgressDisplay.h"
#include "ProgressReporter.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QHash>
#include <QProcess>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

const QString kRootId = QStringLiteral("root");

QString folderId(const PstFolderItem& folder)
{
    return folder.nodeLevel() == 0 ? kRootId : QString::number(folder.fileId());
}

int itemsOf(const PstFolderItem& folder, const QList<QString>& formats)
{
    int count = 0;
    for (const QString& key : formats)
        count += folder.itemCount(ExportManager::formatKind(key));
    return count;
}

// Every folder of the tree by id, the document root included.
void collectFolders(const PstFolderItem& folder, QHash<QString, const PstFolderItem*>& folders)
{
    folders.insert(folderId(folder), &folder);
    for (int i = 0; i < folder.childCount(); ++i) {
        if (const auto* child = dynamic_cast<const PstFolderItem*>(folder.child(i).get()))
            collectFolders(*child, folders);
    }
}

// The chosen formats in the engine's order, as the summary lists them.
QList<QString> orderedFormats(const QList<QString>& formats)
{
    QList<QString> keys;
    for (const QString& key : ExportManager::allFormats()) {
        if (formats.contains(key))
            keys.append(key);
    }
    return keys;
}

// Removes the directories of folders that had no item and were left empty,
// from the bottom up, as a single-process conversion does as it goes; the
// workers leave them, as one may still write below another's directory.
void pruneEmptyDirectories(const PstFolderItem& folder, const QString& dir)
{
    for (int i = 0; i < folder.childCount(); ++i) {
        if (const auto* child = dynamic_cast<const PstFolderItem*>(folder.child(i).get()))
            pruneEmptyDirectories(*child, QStringLiteral("%1/%2").arg(dir, OutputNames::directoryName(child->displayName())));
    }
    if (folder.itemCount() == 0 && QDir(dir).exists() && QDir(dir).isEmpty())
        QDir().rmdir(dir);
}

// One worker process and what it reported.
struct Worker
{
    QProcess* process = nullptr;
    QHash<QString, int> done;
    // Per format: items found and failed, once reported.
    QHash<QString, std::pair<int, int>> results;
    QHash<QString, int> shareTotals;
};

void readReport(Worker& worker, const std::function<void(const QString& key)>& progressed)
{
    while (worker.process->canReadLine()) {
        const QStringList words = QString::fromUtf8(worker.process->readLine()).trimmed().split(QLatin1Char(' '));
        if (words.size() == 3 && words.at(0) == QLatin1String("progress")) {
            worker.done[words.at(1)] = words.at(2).toInt();
            progressed(words.at(1));
        } else if (words.size() == 4 && words.at(0) == QLatin1String("result")) {
            worker.results[words.at(1)] = {words.at(2).toInt(), words.at(3).toInt()};
        }
    }
}

} // namespace

bool ConvertWorkers::canSplit(const QList<QString>& formats)
{
    const QList<QString> perItem = ExportManager::defaultFormats();
    return std::all_of(formats.begin(), formats.end(), [&perItem](const QString& key) { return perItem.contains(key); });
}

QList<QStringList> ConvertWorkers::shares(const PstFolderItem& root, const QList<QString>& formats, int jobs)
{
    QHash<QString, const PstFolderItem*> folders;
    collectFolders(root, folders);
    QList<std::pair<int, QString>> sized;
    for (auto it = folders.cbegin(); it != folders.cend(); ++it) {
        if (const int count = itemsOf(**it, formats))
            sized.append({count, it.key()});
    }
    // The largest first, each to the lightest share.
    std::sort(sized.begin(), sized.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    QList<QStringList> result(qBound(1, jobs, int(qMax<qsizetype>(sized.size(), 1))));
    QList<int> loads(result.size(), 0);
    for (const auto& [count, id] : sized) {
        const auto lightest = int(std::min_element(loads.begin(), loads.end()) - loads.begin());
        loads[lightest] += count;
        result[lightest].append(id);
    }
    result.removeIf([](const QStringList& share) { return share.isEmpty(); });
    return result;
}

int ConvertWorkers::runParent(const Job& job, const PstFolderItem& root, const QList<QStringList>& shares)
{
    QHash<QString, const PstFolderItem*> folders;
    collectFolders(root, folders);
    const QList<QString> keys = orderedFormats(job.formats);
    ProgressDisplay display(isatty(fileno(stdout)) != 0);
    QHash<QString, int> rows;
    for (const QString& key : keys) {
        int total = 0;
        for (const PstFolderItem* folder : std::as_const(folders))
            total += folder->itemCount(ExportManager::formatKind(key));
        rows.insert(key, display.addFormat(ExportManager::progressLabel(key), total));
    }
    Log::info(QStringLiteral("Converting in %1 processes.").arg(shares.size()));

    QList<Worker> workers(shares.size());
    QEventLoop loop;
    int running = int(shares.size());
    for (qsizetype w = 0; w < shares.size(); ++w) {
        Worker& worker = workers[w];
        for (const QString& id : shares.at(w)) {
            for (const QString& key : keys)
                worker.shareTotals[key] += folders.value(id)->itemCount(ExportManager::formatKind(key));
        }
        worker.process = new QProcess(&loop);
        worker.process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QObject::connect(worker.process, &QProcess::readyReadStandardOutput, &loop, [&, w] {
            readReport(workers[w], [&](const QString& key) {
                int done = 0;
                for (const Worker& each : std::as_const(workers))
                    done += each.done.value(key);
                if (rows.contains(key))
                    display.update(rows.value(key), done);
            });
        });
        QObject::connect(worker.process, &QProcess::finished, &loop, [&] {
            if (--running == 0)
                loop.quit();
        });
        QObject::connect(worker.process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart && --running == 0)
                loop.quit();
        });
        worker.process->start(QCoreApplication::applicationFilePath(),
                              {QStringLiteral("convert"), job.pstPath, job.outputDir, QStringLiteral("--formats"),
                               job.formats.join(QLatin1Char(',')), QStringLiteral("--worker-folders"),
                               shares.at(w).join(QLatin1Char(','))});
    }
    if (running > 0)
        loop.exec();

    QMap<QString, int> errors;
    for (Worker& worker : workers) {
        readReport(worker, [](const QString&) {});
        for (const QString& key : keys) {
            const int expected = worker.shareTotals.value(key);
            if (!worker.results.contains(key)) {
                if (expected > 0)
                    Log::warn(QStringLiteral("A conversion worker ended without its report; its %1 %2 items count as failed.")
                                  .arg(expected).arg(key));
                errors[key] += expected;
                continue;
            }
            // Items the worker did not find are not written either.
            const auto [total, failed] = worker.results.value(key);
            errors[key] += failed + qMax(0, expected - total);
        }
    }
    const bool allDone = display.printSummary(errors, job.formats, QStringLiteral("written"));
    if (!job.keepEmptyFolders)
        pruneEmptyDirectories(root, job.outputDir);
    QTextStream(stdout) << LossReport::summary(root);
    return allDone && LossReport::lostCount(root) == 0 ? 0 : 1;
}

int ConvertWorkers::runWorker(const Job& job, const QStringList& folderIds)
{
    const auto root = CliDocument::open(job.pstPath);
    if (!root)
        return 1;
    QTextStream out(stdout);
    const auto report = [&out](const QString& line) { out << line << "\n" << Qt::flush; };
    ExportManager manager;
    // The first process removes what stayed empty once every worker is done.
    manager.setIgnoreEmptyFolder(false);
    const QSet<QString> ids(folderIds.begin(), folderIds.end());
    manager.setFolderShare([ids](const PstFolderItem& folder) { return ids.contains(folderId(folder)); });
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
    }
    return 0;
}
