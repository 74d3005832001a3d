// SPDX-License-Identifier: GPL-2.0-or-later
#include "IndexCommand.h"

#include "ExportWorkers.h"
#include "IndexBuild.h"
#include "IndexProgressText.h"
#include "IndexWorker.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <QThread>

#include <optional>

#include <csignal>
#include <cstdio>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

struct Options
{
    QString pstPath;
    int jobs = QThread::idealThreadCount();
    bool progressLines = false;
    // Set in a worker process of a build.
    std::optional<int> workerShard;
    int workerShards = 1;
    QStringList workerParts;
};

int usage(const QString& problem = QString())
{
    QTextStream err(stderr);
    if (!problem.isEmpty())
        err << "lumaroo-cli index: " << problem << "\n";
    err << "usage: lumaroo-cli index FILE.pst [--jobs N]\n";
    return 2;
}

bool takeNumber(QStringList& args, const QString& option, int minimum, int* value, QString* problem)
{
    bool isNumber = false;
    *value = args.isEmpty() ? 0 : args.takeFirst().toInt(&isNumber);
    if (!isNumber || *value < minimum) {
        *problem = QStringLiteral("%1 needs a number of %2 or more").arg(option).arg(minimum);
        return false;
    }
    return true;
}

bool parseOptions(QStringList args, Options* options, QString* problem)
{
    QStringList positional;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (arg == QLatin1String("--progress-lines")) {
            options->progressLines = true;
        } else if (arg == QLatin1String("--jobs")) {
            if (!takeNumber(args, arg, 1, &options->jobs, problem))
                return false;
        } else if (arg == QLatin1String(IndexBuild::kWorkerShardOption)) {
            int shard = 0;
            if (!takeNumber(args, arg, 0, &shard, problem))
                return false;
            options->workerShard = shard;
        } else if (arg == QLatin1String("--worker-shards")) {
            if (!takeNumber(args, arg, 1, &options->workerShards, problem))
                return false;
        } else if (arg == QLatin1String(IndexBuild::kWorkerFoldersOption)) {
            if (args.isEmpty()) {
                *problem = QStringLiteral("%1 needs a value").arg(arg);
                return false;
            }
            options->workerParts = args.takeFirst().split(QLatin1Char(','), Qt::SkipEmptyParts);
        } else if (arg.startsWith(QLatin1String("--"))) {
            *problem = QStringLiteral("unknown option %1").arg(arg);
            return false;
        } else {
            positional.append(arg);
        }
    }
    if (positional.size() != 1) {
        *problem = QStringLiteral("expected FILE.pst");
        return false;
    }
    options->pstPath = positional.first();
    return true;
}

// A worker dies with the build that started it, so a cancelled or killed
// build leaves no process writing behind it.
bool isWorkerOfParent()
{
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    // Checked after asking for the signal: a parent gone before it gives another id.
    return qgetenv(ExportWorkers::kWorkerTokenVariable) == ExportWorkers::workerToken(qint64(getppid()));
}

} // namespace

int IndexCommand::run(const QStringList& args)
{
    Options options;
    QString problem;
    if (!parseOptions(args, &options, &problem))
        return usage(problem);
    if (options.workerShard) {
        // The worker options are internal: only a build lumaroo started may use them.
        if (!isWorkerOfParent())
            return usage(QStringLiteral("unknown option %1").arg(QLatin1String(IndexBuild::kWorkerShardOption)));
        return IndexWorker::run(options.pstPath, *options.workerShard, options.workerShards, options.workerParts);
    }
    QFile out;
    if (options.progressLines && !out.open(stdout, QIODevice::WriteOnly))
        return 1;
    IndexProgressText text(isatty(fileno(stderr)) != 0);
    const IndexBuild::Outcome outcome = IndexBuild::run(
        QCoreApplication::applicationFilePath(), options.pstPath, options.jobs, [&](int indexed, int total) {
            if (!options.progressLines)
                return text.update(indexed, total);
            out.write(IndexProgressLine::progress(indexed, total));
            out.flush();
        });
    text.finish();
    if (outcome.status == IndexBuild::Status::Complete)
        return 0;
    if (options.progressLines) {
        out.write(IndexProgressLine::failure(outcome.reason, outcome.detail));
        out.flush();
    }
    QTextStream(stderr) << "lumaroo-cli index: " << outcome.message() << "\n";
    return outcome.status == IndexBuild::Status::BadFile ? 2 : 1;
}
