// SPDX-License-Identifier: GPL-2.0-or-later
#include "ExportWorkers.h"

#include "ExportManager.h"
#include "Log.h"
#include "OutputNames.h"
#include "PstFolderItem.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSet>

#include <algorithm>

namespace {

const QString kRootId = QStringLiteral("root");

QString folderId(const PstFolderItem& folder)
{
    return folder.nodeLevel() == 0 ? kRootId : QString::number(folder.fileId());
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

int itemsOf(const PstFolderItem& folder, const QList<QString>& formats)
{
    int count = 0;
    for (const QString& key : formats)
        count += folder.itemCount(ExportManager::formatKind(key));
    return count;
}

// The folder directories in the order a single-process run removes the
// empty ones, from the bottom up, with whether each folder is written (is
// in a share).
void folderDirectories(const PstFolderItem& folder, const QString& dir, const QSet<QString>& written,
                       QList<std::pair<QString, bool>>& out)
{
    for (int i = 0; i < folder.childCount(); ++i) {
        if (const auto* child = dynamic_cast<const PstFolderItem*>(folder.child(i).get()))
            folderDirectories(*child, OutputNames::folderPath(dir, child->displayName()), written, out);
    }
    out.append({dir, written.contains(folderId(folder))});
}

} // namespace

ExportWorkers::ExportWorkers(QObject* parent) : QObject(parent)
{
}

ExportWorkers::~ExportWorkers()
{
    for (Worker& worker : m_workers) {
        worker.process->disconnect(this);
        worker.process->kill();
        worker.process->waitForFinished();
    }
}

QString ExportWorkers::siblingProgram()
{
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString& candidate : {here.filePath(QStringLiteral("lumaroo-cli")), here.filePath(QStringLiteral("cli/lumaroo-cli"))}) {
        if (QFileInfo(candidate).isExecutable())
            return candidate;
    }
    return QString();
}

bool ExportWorkers::canSplit(const QList<QString>& formats)
{
    const QList<QString> perItem = ExportManager::defaultFormats();
    return std::all_of(formats.begin(), formats.end(), [&perItem](const QString& key) { return perItem.contains(key); });
}

QList<QStringList> ExportWorkers::shares(const PstFolderItem& root, const QList<QString>& formats, int jobs,
                                         const std::function<bool(const PstFolderItem&)>& selected)
{
    QHash<QString, const PstFolderItem*> folders;
    collectFolders(root, folders);
    QList<std::pair<int, QString>> sized;
    for (auto it = folders.cbegin(); it != folders.cend(); ++it) {
        if (selected && !selected(**it))
            continue;
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

QByteArray ExportWorkers::workerToken(qint64 parentPid)
{
    return QCryptographicHash::hash("lumaroo convert worker of " + QByteArray::number(parentPid),
                                    QCryptographicHash::Sha256)
        .toHex()
        .left(32);
}

bool ExportWorkers::isInShare(const PstFolderItem& folder, const QStringList& folderIds)
{
    return folderIds.contains(folderId(folder));
}

void ExportWorkers::start(const QString& program, const PstFolderItem& root, const QString& outputDir,
                          const QList<QString>& formats, const QList<QStringList>& shares, bool pruneEmptyFolders)
{
    QHash<QString, const PstFolderItem*> folders;
    collectFolders(root, folders);
    m_formats = formats;
    m_workers = QList<Worker>(shares.size());
    m_running = int(shares.size());
    m_directories.clear();
    QSet<QString> written;
    for (const QStringList& share : shares)
        written.unite(QSet<QString>(share.begin(), share.end()));
    folderDirectories(root, outputDir, written, m_directories);
    m_pruneEmptyFolders = pruneEmptyFolders;
    Log::info(QStringLiteral("Converting in %1 processes.").arg(shares.size()));
    for (qsizetype w = 0; w < shares.size(); ++w) {
        Worker& worker = m_workers[w];
        for (const QString& id : shares.at(w)) {
            for (const QString& key : formats)
                worker.shareTotals[key] += folders.value(id)->itemCount(ExportManager::formatKind(key));
        }
        worker.process = new QProcess(this);
        worker.process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kWorkerTokenVariable),
                           QString::fromLatin1(workerToken(QCoreApplication::applicationPid())));
        worker.process->setProcessEnvironment(environment);
        connect(worker.process, &QProcess::readyReadStandardOutput, this, [this, w] { readReport(w); });
        connect(worker.process, &QProcess::finished, this, &ExportWorkers::workerEnded);
        connect(worker.process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                workerEnded();
        });
        worker.process->start(program, {QStringLiteral("convert"), root.filePath(), outputDir, QStringLiteral("--formats"),
                                        formats.join(QLatin1Char(',')), QStringLiteral("--worker-folders"),
                                        shares.at(w).join(QLatin1Char(','))});
    }
}

void ExportWorkers::cancel()
{
    for (Worker& worker : m_workers) {
        if (worker.process->state() != QProcess::NotRunning)
            worker.process->kill();
    }
}

void ExportWorkers::readReport(qsizetype index)
{
    Worker& worker = m_workers[index];
    while (worker.process->canReadLine()) {
        const QStringList words = QString::fromUtf8(worker.process->readLine()).trimmed().split(QLatin1Char(' '));
        if (words.size() == 3 && words.at(0) == QLatin1String("progress")) {
            const QString& key = words.at(1);
            worker.done[key] = words.at(2).toInt();
            int done = 0;
            for (const Worker& each : std::as_const(m_workers))
                done += each.done.value(key);
            emit progressed(key, done);
        } else if (words.size() == 4 && words.at(0) == QLatin1String("result")) {
            worker.results[words.at(1)] = {words.at(2).toInt(), words.at(3).toInt()};
        } else if (words.size() >= 4 && words.at(0) == QLatin1String("reason")) {
            m_reasons[words.at(1)][words.mid(3).join(QLatin1Char(' '))] += words.at(2).toInt();
        }
    }
}

void ExportWorkers::workerEnded()
{
    if (--m_running > 0)
        return;
    QMap<QString, int> failed;
    for (qsizetype w = 0; w < m_workers.size(); ++w) {
        readReport(w);
        const Worker& worker = m_workers.at(w);
        for (const QString& key : std::as_const(m_formats)) {
            const int expected = worker.shareTotals.value(key);
            if (!worker.results.contains(key)) {
                if (expected > 0)
                    Log::warn(QStringLiteral("A conversion worker ended without its report; its %1 %2 items count as failed.")
                                  .arg(expected)
                                  .arg(key));
                failed[key] += expected;
                continue;
            }
            // Items the worker did not find are not written either.
            const auto [total, failedThere] = worker.results.value(key);
            failed[key] += failedThere + qMax(0, expected - total);
        }
    }
    for (const auto& [dir, hadItems] : std::as_const(m_directories)) {
        if (m_pruneEmptyFolders && !hadItems && QDir(dir).exists() && QDir(dir).isEmpty())
            QDir().rmdir(dir);
    }
    emit finished(failed);
}
