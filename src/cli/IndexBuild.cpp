// SPDX-License-Identifier: GPL-2.0-or-later
#include "IndexBuild.h"

#include "ExportWorkers.h"
#include "IndexShares.h"
#include "IndexStorage.h"
#include "PstParser.h"
#include "SearchIndex.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QTimer>

#include <memory>

namespace {

using Reason = IndexProgressLine::Reason;
using Outcome = IndexBuild::Outcome;

constexpr int kLockPollMs = 250;

Outcome outcome(IndexBuild::Status status, Reason reason = Reason::None, const QString& detail = QString())
{
    Outcome result;
    result.status = status;
    result.reason = reason;
    result.detail = detail;
    return result;
}

Outcome notWritable(const QString& folder)
{
    return outcome(IndexBuild::Status::Failed, Reason::CacheNotWritable, QDir::toNativeSeparators(folder));
}

// Whether a file can be made in `folder` (permissions alone do not say it
// for every user and file system).
bool canWriteIn(const QString& folder)
{
    QFile probe(QDir(folder).filePath(QStringLiteral(".write-probe")));
    const bool ok = probe.open(QIODevice::WriteOnly);
    probe.remove();
    return ok;
}

// Another process holds the build: wait for it, showing what it has
// indexed, until the lock is ours.
bool waitForLock(QLockFile& lock, const QString& pstPath, const IndexBuild::Progress& progress)
{
    while (!lock.tryLock(kLockPollMs)) {
        if (lock.error() != QLockFile::LockFailedError)
            return false;
        const SearchIndex index(pstPath);
        if (progress)
            progress(index.indexedItems(), index.totalItems());
    }
    return true;
}

int itemTotal(const PstFolderItem& folder)
{
    int total = folder.itemCount();
    for (int i = 0; i < folder.childCount(); ++i) {
        if (const auto* child = dynamic_cast<const PstFolderItem*>(folder.child(i).get()))
            total += itemTotal(*child);
    }
    return total;
}

// The worker processes of one build and what they report.
class WorkerRun
{
public:
    WorkerRun(const IndexBuild::Progress& progress, int total) : m_progress(progress), m_total(total) {}

    void start(const QString& program, const QString& pstPath, const QList<QStringList>& shares)
    {
        m_done = QList<int>(shares.size(), 0);
        m_running = int(shares.size());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(ExportWorkers::kWorkerTokenVariable),
                           QString::fromLatin1(ExportWorkers::workerToken(QCoreApplication::applicationPid())));
        for (qsizetype k = 0; k < shares.size(); ++k) {
            auto process = std::make_unique<QProcess>();
            process->setProcessEnvironment(environment);
            process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            QProcess* raw = process.get();
            QObject::connect(raw, &QProcess::readyReadStandardOutput, raw, [this, raw, k] { readReport(raw, k); });
            QObject::connect(raw, &QProcess::finished, raw, [this, raw, k](int code, QProcess::ExitStatus status) {
                readReport(raw, k);
                if (status != QProcess::NormalExit || code != 0)
                    fail(Reason::WriteFailed, QStringLiteral("an indexing process ended unexpectedly"));
                ended();
            });
            QObject::connect(raw, &QProcess::errorOccurred, raw, [this](QProcess::ProcessError error) {
                if (error != QProcess::FailedToStart)
                    return;
                fail(Reason::WriteFailed, QStringLiteral("an indexing process could not be started"));
                ended();
            });
            process->start(program, {QStringLiteral("index"), pstPath, QString::fromLatin1(IndexBuild::kWorkerShardOption),
                                     QString::number(k), QStringLiteral("--worker-shards"), QString::number(shares.size()),
                                     QString::fromLatin1(IndexBuild::kWorkerFoldersOption), shares.at(k).join(QLatin1Char(','))});
            m_processes.push_back(std::move(process));
        }
        if (m_running == 0)
            m_loop.quit();
    }

    void wait()
    {
        if (m_running > 0)
            m_loop.exec();
    }

    bool failed() const { return m_reason != Reason::None; }
    Reason reason() const { return m_reason; }
    QString detail() const { return m_detail; }

private:
    void readReport(QProcess* process, qsizetype k)
    {
        while (process->canReadLine()) {
            const IndexProgressLine line = IndexProgressLine::parse(process->readLine());
            if (line.kind == IndexProgressLine::Kind::Progress) {
                m_done[k] = line.indexed;
                int done = 0;
                for (int each : std::as_const(m_done))
                    done += each;
                if (m_progress)
                    m_progress(done, m_total);
            } else if (line.kind == IndexProgressLine::Kind::Failed) {
                fail(line.reason, line.detail);
            }
        }
    }

    // The first failure is the one to tell; the others stop the rest.
    void fail(Reason reason, const QString& detail)
    {
        if (m_reason == Reason::None || (m_reason == Reason::WriteFailed && reason != Reason::WriteFailed)) {
            m_reason = reason;
            m_detail = detail;
        }
        for (const auto& process : m_processes) {
            if (process->state() != QProcess::NotRunning)
                process->kill();
        }
    }

    void ended()
    {
        if (--m_running == 0)
            m_loop.quit();
    }

    IndexBuild::Progress m_progress;
    int m_total;
    std::vector<std::unique_ptr<QProcess>> m_processes;
    QList<int> m_done;
    int m_running = 0;
    QEventLoop m_loop;
    Reason m_reason = Reason::None;
    QString m_detail;
};

} // namespace

QString IndexBuild::Outcome::message() const
{
    switch (reason) {
    case Reason::CacheNotWritable:
        return QStringLiteral("the search index cannot be saved: the folder %1 is not writable").arg(detail);
    case Reason::DiskFull:
        return QStringLiteral("the search index cannot be saved: the disk is full (%1)").arg(detail);
    case Reason::FileUnreadable:
        return QStringLiteral("the file cannot be read: %1").arg(detail);
    case Reason::WriteFailed:
        return QStringLiteral("the search index cannot be saved: %1").arg(detail);
    case Reason::None:
        break;
    }
    return QString();
}

IndexBuild::Outcome IndexBuild::run(const QString& program, const QString& pstPath, int jobs, const Progress& progress)
{
    const QFileInfo file(pstPath);
    if (!file.isFile())
        return outcome(Status::BadFile, Reason::FileUnreadable, QStringLiteral("%1: no such file").arg(pstPath));
    if (SearchIndex(pstPath).state() == SearchIndex::State::Complete)
        return outcome(Status::Complete);
    const QString location = SearchIndex::locationFor(pstPath);
    const QString cacheFolder = QFileInfo(location).absolutePath();
    if (!QDir().mkpath(cacheFolder) || !canWriteIn(cacheFolder))
        return notWritable(cacheFolder);
    QLockFile lock(IndexStorage::lockPath(pstPath));
    // A build runs as long as it must; only a dead holder's lock is stale.
    lock.setStaleLockTime(0);
    if (!waitForLock(lock, pstPath, progress))
        return notWritable(cacheFolder);
    // Whoever held the lock may have finished the index meanwhile.
    if (SearchIndex(pstPath).state() == SearchIndex::State::Complete)
        return outcome(Status::Complete);
    // Half-built (its builder is gone, the lock is ours), damaged, or missing.
    IndexStorage::removeOtherVersions(pstPath);
    if (!QDir(location).removeRecursively() || !QDir().mkpath(location) || !canWriteIn(location))
        return notWritable(location);

    PstParser parser;
    if (!parser.open(pstPath))
        return outcome(Status::BadFile, Reason::FileUnreadable, QStringLiteral("%1: %2").arg(pstPath, parser.openError()));
    std::shared_ptr<PstFolderItem> root = parser.countFolderItems(pstPath);
    if (!root)
        return outcome(Status::BadFile, Reason::FileUnreadable,
                       QStringLiteral("%1: the PST file's folder structure cannot be read").arg(pstPath));
    const int total = itemTotal(*root);
    QList<QStringList> shares = IndexShares::split(*root, jobs);
    // A file without items still gets its (empty, complete) index.
    if (shares.isEmpty())
        shares.append(QStringList());
    root.reset();
    parser.close();
    if (progress)
        progress(0, total);
    WorkerRun workers(progress, total);
    workers.start(program, pstPath, shares);
    workers.wait();
    if (workers.failed())
        return outcome(Status::Failed, workers.reason(), workers.detail());
    if (SearchIndex(pstPath).state() != SearchIndex::State::Complete)
        return outcome(Status::Failed, Reason::WriteFailed, QStringLiteral("the index was not complete at the end"));
    return outcome(Status::Complete);
}
