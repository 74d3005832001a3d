// SPDX-License-Identifier: GPL-2.0-or-later
#include "ConvertCommand.h"

#include "CliDocument.h"
#include "ConvertWorkers.h"
#include "ExportManager.h"
#include "ItemJson.h"
#include "ExportWorkers.h"
#include "LossReport.h"
#include "OutputFolderCheck.h"
#include "ProgressDisplay.h"
#include "ProgressReporter.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QRegularExpression>
#include <QSet>
#include <QTextStream>
#include <QThread>

#include <optional>

#include <cstdio>
#include <unistd.h>

namespace {

struct Options
{
    QString pstPath;
    QString outputDir;
    QList<QString> formats = ExportManager::defaultFormats();
    bool keepEmptyFolders = false;
    int jobs = QThread::idealThreadCount();
    // --folder PATH: only these folders (each with its sub-folders).
    QStringList folders;
    bool jobsGiven = false;
    // Set in a worker process of a conversion split among several.
    std::optional<QStringList> workerFolders;
};

int usage(const QString& problem = QString())
{
    QTextStream err(stderr);
    if (!problem.isEmpty())
        err << "lumaroo-cli convert: " << problem << "\n";
    err << "usage: lumaroo-cli convert FILE.pst OUTDIR [--formats eml,vcf,ics,txt,ics2,tasks,mbox,maildir] [--keep-empty-folders] [--jobs N] [--folder PATH]...\n";
    return 2;
}

bool parseFormats(const QString& list, QList<QString>* formats, QString* problem)
{
    formats->clear();
    for (const QString& key : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (!ExportManager::allFormats().contains(key)) {
            *problem = QStringLiteral("unknown format \"%1\"").arg(key);
            return false;
        }
        if (!formats->contains(key))
            formats->append(key);
    }
    if (formats->isEmpty())
        *problem = QStringLiteral("--formats needs at least one format");
    return !formats->isEmpty();
}

bool parseOptions(QStringList args, Options* options, QString* problem)
{
    QStringList positional;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (arg == QLatin1String("--keep-empty-folders")) {
            options->keepEmptyFolders = true;
        } else if (arg == QLatin1String("--folder")) {
            if (args.isEmpty()) {
                *problem = QStringLiteral("--folder needs a folder path");
                return false;
            }
            options->folders.append(args.takeFirst());
        } else if (arg == QLatin1String("--jobs") || arg == QLatin1String("--worker-folders")) {
            if (args.isEmpty()) {
                *problem = QStringLiteral("%1 needs a value").arg(arg);
                return false;
            }
            const QString value = args.takeFirst();
            bool isNumber = false;
            if (arg == QLatin1String("--worker-folders")) {
                options->workerFolders = value.split(QLatin1Char(','), Qt::SkipEmptyParts);
                continue;
            }
            options->jobsGiven = true;
            if ((options->jobs = value.toInt(&isNumber)) < 1 || !isNumber) {
                *problem = QStringLiteral("--jobs needs a number of 1 or more");
                return false;
            }
        } else if (arg == QLatin1String("--formats") || arg.startsWith(QLatin1String("--formats="))) {
            if (arg == QLatin1String("--formats") && args.isEmpty()) {
                *problem = QStringLiteral("--formats needs a value");
                return false;
            }
            const QString list = arg.contains(QLatin1Char('=')) ? arg.section(QLatin1Char('='), 1) : args.takeFirst();
            if (!parseFormats(list, &options->formats, problem))
                return false;
        } else if (arg.startsWith(QLatin1String("--"))) {
            *problem = QStringLiteral("unknown option %1").arg(arg);
            return false;
        } else {
            positional.append(arg);
        }
    }
    if (positional.size() != 2) {
        *problem = QStringLiteral("expected FILE.pst and OUTDIR");
        return false;
    }
    options->pstPath = positional.at(0);
    options->outputDir = QDir::cleanPath(QDir::current().absoluteFilePath(positional.at(1)));
    return true;
}

// The folders the paths name (as `tree` and `list` print them), each with
// every folder below it; false, naming the first path that names none.
bool selectFolders(const PstFolderItem& root, const QStringList& paths, QSet<quint64>* selected, QString* unknown)
{
    for (const QString& wanted : paths) {
        const QString path = wanted.trimmed().remove(QRegularExpression(QStringLiteral("^/+|/+$")));
        bool found = false;
        ItemJson::forEachFolder(root, [&](const PstFolderItem& folder, const QString& folderPath) {
            if (folderPath == path || folderPath.startsWith(path + QLatin1Char('/'))) {
                selected->insert(folder.fileId());
                found = true;
            }
        });
        if (!found) {
            *unknown = wanted;
            return false;
        }
    }
    return true;
}

// More workers than folders with items, or far more than processor cores,
// only cost memory and disk seeks: --jobs is capped there, with a note.
int usefulJobs(const Options& options, const PstFolderItem& root)
{
    constexpr int kWorkersPerCore = 4;
    int jobs = options.jobs;
    QString reason;
    const int cores = qMax(1, QThread::idealThreadCount());
    if (jobs > kWorkersPerCore * cores) {
        jobs = kWorkersPerCore * cores;
        reason = QStringLiteral("%1 processor cores").arg(cores);
    }
    if (jobs > 1 && ExportWorkers::canSplit(options.formats)) {
        const int folders = int(ExportWorkers::shares(root, options.formats, jobs).size());
        if (folders < jobs) {
            jobs = folders;
            reason = QStringLiteral("%1 folder(s) with items to write").arg(folders);
        }
    }
    if (jobs < options.jobs && options.jobsGiven)
        QTextStream(stderr) << QStringLiteral("lumaroo-cli convert: --jobs %1 is more than can help here (%2); using %3\n")
                                   .arg(options.jobs)
                                   .arg(reason)
                                   .arg(jobs);
    return jobs;
}

} // namespace

int ConvertCommand::run(const QStringList& args)
{
    Options options;
    QString problem;
    if (!parseOptions(args, &options, &problem))
        return usage(problem);
    // The worker option is internal: only a process lumaroo started may use it.
    if (options.workerFolders
        && qgetenv(ExportWorkers::kWorkerTokenVariable) != ExportWorkers::workerToken(qint64(getppid())))
        return usage(QStringLiteral("unknown option --worker-folders"));
    if (options.workerFolders)
        return ConvertWorkers::runWorker({options.pstPath, options.outputDir, options.formats}, *options.workerFolders);
    const auto root = CliDocument::open(options.pstPath);
    if (!root)
        return 1;

    // Folders the file lacks are a wrong call: nothing is written for it.
    QSet<quint64> selected;
    QString unknown;
    if (!options.folders.isEmpty() && !selectFolders(*root, options.folders, &selected, &unknown))
        return usage(QStringLiteral("%1 has no folder \"%2\"").arg(options.pstPath, unknown));
    const QString outputProblem = OutputFolderCheck::prepare(options.outputDir);
    if (!outputProblem.isEmpty()) {
        QTextStream(stderr) << "lumaroo-cli convert: " << outputProblem << "\n";
        return 1;
    }
    ExportManager manager;
    manager.setIgnoreEmptyFolder(!options.keepEmptyFolders);
    manager.setWorkers(usefulJobs(options, *root), QCoreApplication::applicationFilePath());
    if (!options.folders.isEmpty()) {
        manager.setFolderSelection([selected](const PstFolderItem& folder) {
            return folder.nodeLevel() > 0 && selected.contains(folder.fileId());
        });
    }
    return execute(
        manager, [&] { manager.startExportToFiles(root, options.outputDir, options.formats); }, options.formats,
        QStringLiteral("Nothing to convert: %1 has no item of the chosen formats.").arg(options.pstPath),
        QStringLiteral("written"), *root);
}

int ConvertCommand::execute(ExportManager& manager, const std::function<void()>& start, const QList<QString>& formats,
                            const QString& nothingToDoMessage, const QString& doneVerb, const PstFolderItem& root)
{
    ProgressDisplay display(isatty(fileno(stdout)) != 0);
    QEventLoop loop;
    bool nothingToDo = false;
    bool denied = false;
    QObject::connect(&manager, &ExportManager::progressReady, &manager,
                     [&display](const QString& label, std::shared_ptr<ProgressReporter> reporter, int total) {
                         const int row = display.addFormat(label, total);
                         QObject::connect(reporter.get(), &ProgressReporter::progressUpdated, reporter.get(),
                                          [&display, row](int done) { display.update(row, done); });
                     });
    QObject::connect(&manager, &ExportManager::exportItemNotFound, &manager, [&nothingToDo] { nothingToDo = true; });
    QObject::connect(&manager, &ExportManager::appAccessDenied, &manager, [&denied](const QString&, const QString& text) {
        QTextStream(stderr) << text << "\n";
        denied = true;
    });
    QObject::connect(&manager, &ExportManager::exportCompleted, &loop, &QEventLoop::quit);
    start();
    if (denied)
        return 1;
    if (nothingToDo) {
        QTextStream(stdout) << nothingToDoMessage << "\n" << LossReport::summary(root);
        return LossReport::lostCount(root) == 0 ? 0 : 1;
    }
    loop.exec();
    const QList<ExportManager::FormatResult> results = manager.lastRunSummary();
    const bool allDone = display.printSummary(manager.lastRunErrors(), formats, doneVerb, results,
                                             manager.lastRunFailureReasons());
    // Losses in folders of no chosen format, as the window's summary has them.
    const QString others = ProgressDisplay::lossesText(manager.lastRunOtherLosses());
    if (!others.isEmpty())
        QTextStream(stdout) << "Other items: " << others.mid(2) << "\n";
    QTextStream(stdout) << LossReport::summary(root);
    // The losses of the folders the run took, whether of a chosen format or not.
    int lost = manager.lastRunOtherLosses().lost();
    for (const ExportManager::FormatResult& result : results)
        lost += result.lost();
    return allDone && lost == 0 ? 0 : 1;
}
