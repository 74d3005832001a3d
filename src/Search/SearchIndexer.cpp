// SPDX-License-Identifier: GPL-2.0-or-later
#include "SearchIndexer.h"

#include "IndexProgressLine.h"
#include "Log.h"
#include "SearchIndex.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QTimer>

namespace {

// The environment variable that names the lumaroo-cli to run, for test
// programs that do not sit beside it.
constexpr char kProgramVariable[] = "LUMAROO_CLI";

// lumaroo-cli beside this program (in a build tree, in its cli folder).
QString indexProgram()
{
    const QString chosen = qEnvironmentVariable(kProgramVariable);
    if (!chosen.isEmpty())
        return QFileInfo(chosen).isExecutable() ? chosen : QString();
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString& candidate : {here.filePath(QStringLiteral("lumaroo-cli")), here.filePath(QStringLiteral("cli/lumaroo-cli"))}) {
        if (QFileInfo(candidate).isExecutable())
            return candidate;
    }
    return QString();
}

QString failureMessage(const IndexProgressLine& line)
{
    using Reason = IndexProgressLine::Reason;
    switch (line.reason) {
    case Reason::CacheNotWritable:
        return SearchIndexer::tr("The search index cannot be saved: the folder %1 is not writable.").arg(line.detail);
    case Reason::DiskFull:
        return SearchIndexer::tr("The search index cannot be saved: the disk is full (%1).").arg(line.detail);
    case Reason::FileUnreadable:
        return SearchIndexer::tr("The file cannot be read for searching: %1").arg(line.detail);
    case Reason::WriteFailed:
    case Reason::None:
        break;
    }
    return SearchIndexer::tr("The search index cannot be saved: %1").arg(line.detail);
}

} // namespace

struct SearchIndexer::Private
{
    QProcess* process = nullptr;
    QString pstPath;
    // Why the running build failed, once it said so.
    QString failure;
    bool cancelled = false;
};

SearchIndexer::SearchIndexer(QObject* parent) : QObject(parent), d(std::make_unique<Private>())
{
}

SearchIndexer::~SearchIndexer()
{
    if (d->process) {
        d->process->disconnect(this);
        d->process->kill();
        d->process->waitForFinished();
    }
}

void SearchIndexer::start(const QString& pstPath)
{
    if (d->process) {
        // A new start replaces the running build without a word about it.
        d->process->disconnect(this);
        d->process->kill();
        d->process->waitForFinished();
        d->process->deleteLater();
        d->process = nullptr;
    }
    d->pstPath = pstPath;
    d->failure.clear();
    d->cancelled = false;
    // A complete index needs no process: it is there at once, but the
    // answer still comes from the event loop, as for a build.
    if (SearchIndex(pstPath).state() == SearchIndex::State::Complete) {
        QPointer<SearchIndexer> self(this);
        QTimer::singleShot(0, this, [self] {
            if (self)
                emit self->finished(true, QString());
        });
        return;
    }
    const QString program = indexProgram();
    if (program.isEmpty()) {
        Log::warn(QStringLiteral("No lumaroo-cli beside the program: the search index cannot be built."));
        QPointer<SearchIndexer> self(this);
        QTimer::singleShot(0, this, [self] {
            if (self)
                emit self->finished(false, tr("The search index cannot be built: lumaroo-cli is missing beside the program."));
        });
        return;
    }
    auto* process = new QProcess(this);
    d->process = process;
    process->setProcessChannelMode(QProcess::SeparateChannels);
    // Its messages for a user go into the progress lines; the rest is the log's.
    process->setStandardErrorFile(QProcess::nullDevice());
    connect(process, &QProcess::readyReadStandardOutput, this, [this, process] {
        while (process->canReadLine()) {
            const IndexProgressLine line = IndexProgressLine::parse(process->readLine());
            if (line.kind == IndexProgressLine::Kind::Progress)
                emit progressed(line.indexed, line.total);
            else if (line.kind == IndexProgressLine::Kind::Failed)
                d->failure = failureMessage(line);
        }
    });
    connect(process, &QProcess::finished, this, [this, process](int exitCode, QProcess::ExitStatus status) {
        if (d->process != process)
            return;
        d->process = nullptr;
        process->deleteLater();
        const bool ok = status == QProcess::NormalExit && exitCode == 0 && !d->cancelled;
        QString message;
        if (d->cancelled)
            message = tr("Indexing was cancelled: searches cover only the items indexed so far.");
        else if (!ok)
            message = !d->failure.isEmpty() ? d->failure
                                             : tr("Indexing stopped unexpectedly: searches cover only the items indexed so far.");
        if (!ok)
            Log::warn(QStringLiteral("Indexing %1 ended without a complete index: %2").arg(d->pstPath, message));
        emit finished(ok, message);
    });
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart || d->process != process)
            return;
        d->process = nullptr;
        process->deleteLater();
        Log::warn(QStringLiteral("lumaroo-cli could not be started to index %1.").arg(d->pstPath));
        emit finished(false, tr("The search index cannot be built: lumaroo-cli could not be started."));
    });
    Log::info(QStringLiteral("Indexing %1 for searching.").arg(pstPath));
    process->start(program, {QStringLiteral("index"), pstPath, QStringLiteral("--progress-lines")});
}

void SearchIndexer::cancel()
{
    if (!d->process)
        return;
    d->cancelled = true;
    // The workers end with it (they watch their parent).
    d->process->kill();
}

bool SearchIndexer::isRunning() const
{
    return d->process != nullptr;
}
