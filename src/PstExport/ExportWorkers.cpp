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
#include <limits>

namespace {

const QString kRootId = QStringLiteral("root");
// What writing one item costs beyond its bytes (a file to create, a record
// to parse), in bytes of message: shares of many small mails and of a few
// large ones take about as long.
constexpr qint64 kItemCostBytes = 16 * 1024;
// A folder is cut into parts of at least this many item nodes.
constexpr int kMinNodesPerPart = 2 * PstFolderItem::ItemSizes::kNodesPerSizeMark;

// Every folder of the tree by id, the document root included.
void collectFolders(const PstFolderItem& folder, QHash<QString, const PstFolderItem*>& folders)
{
    folders.insert(ExportWorkers::folderId(folder), &folder);
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

// The folders' directory names from the document down, as the run names the
// directory it writes a folder's mailbox in: folders with the same one
// write one mailbox.
QString directoryKey(const PstFolderItem& folder)
{
    QString key;
    for (const PstItem* each = &folder; each && each->nodeLevel() > 0; each = each->parent().get())
        key.prepend(QLatin1Char('/') + OutputNames::directoryName(each->displayName()));
    return key;
}

// One part of the work: a folder, a range of its item nodes, or (mbox) the
// folders that share a directory; with its cost in bytes.
struct Part
{
    qint64 weight = 0;
    QStringList ids;
};

// The folder cut into `pieces` parts of about the same size, at the marks
// the open left every few hundred item nodes.
QList<Part> cutFolder(const PstFolderItem& folder, const QString& id, int pieces)
{
    const PstFolderItem::ItemSizes& sizes = folder.itemSizes();
    const auto costUpTo = [&sizes](int markIndex) {
        return sizes.marks.at(markIndex) + qint64(markIndex + 1) * PstFolderItem::ItemSizes::kNodesPerSizeMark * kItemCostBytes;
    };
    const qint64 whole = sizes.bytes + qint64(sizes.nodes) * kItemCostBytes;
    QList<Part> parts;
    int first = 0;
    qint64 costBefore = 0;
    int mark = 0;
    for (int piece = 1; piece < pieces; ++piece) {
        const qint64 wanted = whole * piece / pieces;
        while (mark < sizes.marks.size() && costUpTo(mark) < wanted)
            ++mark;
        if (mark >= sizes.marks.size())
            break;
        const int end = (mark + 1) * PstFolderItem::ItemSizes::kNodesPerSizeMark;
        if (end - first < kMinNodesPerPart / 2 || sizes.nodes - end < kMinNodesPerPart / 2)
            continue;
        parts.append({costUpTo(mark) - costBefore, {QStringLiteral("%1:%2:%3").arg(id).arg(first).arg(end)}});
        costBefore = costUpTo(mark);
        first = end;
    }
    parts.append({whole - costBefore, {first == 0 ? id : QStringLiteral("%1:%2:-1").arg(id).arg(first)}});
    return parts;
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
    out.append({dir, written.contains(ExportWorkers::folderId(folder))});
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
    const QList<QString> known = ExportManager::allFormats();
    return std::all_of(formats.begin(), formats.end(), [&known](const QString& key) { return known.contains(key); });
}

QList<QStringList> ExportWorkers::shares(const PstFolderItem& root, const QList<QString>& formats, int jobs,
                                         const std::function<bool(const PstFolderItem&)>& selected)
{
    QHash<QString, const PstFolderItem*> folders;
    collectFolders(root, folders);
    // One mailbox per directory is appended to in tree order by one process.
    const bool keepsDirectoriesWhole = formats.contains(QLatin1String("mbox"));
    QList<std::pair<QString, const PstFolderItem*>> wanted;
    qint64 total = 0;
    for (auto it = folders.cbegin(); it != folders.cend(); ++it) {
        if (selected && !selected(**it))
            continue;
        if (const int count = itemsOf(**it, formats)) {
            wanted.append({it.key(), *it});
            total += (*it)->itemSizes().bytes + qint64(count) * kItemCostBytes;
        }
    }
    std::sort(wanted.begin(), wanted.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    const int shareCount = qMax(1, jobs);
    const qint64 target = qMax<qint64>(1, total / shareCount);
    QList<Part> parts;
    QHash<QString, qsizetype> partOfDirectory;
    for (const auto& [id, folder] : std::as_const(wanted)) {
        const qint64 weight = folder->itemSizes().bytes + qint64(itemsOf(*folder, formats)) * kItemCostBytes;
        if (keepsDirectoriesWhole) {
            const QString key = folder->nodeLevel() == 0 ? QString() : directoryKey(*folder);
            if (const auto found = partOfDirectory.constFind(key); found != partOfDirectory.constEnd()) {
                parts[*found].weight += weight;
                parts[*found].ids.append(id);
                continue;
            }
            partOfDirectory.insert(key, parts.size());
        }
        const int pieces = int(qMin<qint64>(shareCount, (weight + target - 1) / target));
        if (!keepsDirectoriesWhole && pieces > 1 && folder->nodeLevel() > 0
            && folder->itemSizes().nodes >= 2 * kMinNodesPerPart)
            parts.append(cutFolder(*folder, id, pieces));
        else
            parts.append({weight, {id}});
    }
    // The largest first, each to the lightest share.
    std::stable_sort(parts.begin(), parts.end(), [](const Part& a, const Part& b) { return a.weight > b.weight; });
    QList<QStringList> result(qBound(1, shareCount, int(qMax<qsizetype>(parts.size(), 1))));
    QList<qint64> loads(result.size(), 0);
    for (const Part& part : std::as_const(parts)) {
        const auto lightest = int(std::min_element(loads.begin(), loads.end()) - loads.begin());
        loads[lightest] += part.weight;
        result[lightest].append(part.ids);
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

QString ExportWorkers::folderId(const PstFolderItem& folder)
{
    return folder.nodeLevel() == 0 ? kRootId : QString::number(folder.fileId());
}

QList<std::pair<int, int>> ExportWorkers::partsOf(const PstFolderItem& folder, const QStringList& share)
{
    const QString id = folderId(folder);
    QList<std::pair<int, int>> parts;
    for (const QString& entry : share) {
        const QStringList fields = entry.split(QLatin1Char(':'));
        if (fields.first() != id)
            continue;
        if (fields.size() == 1) {
            parts.append({0, std::numeric_limits<int>::max()});
        } else if (fields.size() == 3) {
            const int end = fields.at(2).toInt();
            parts.append({qMax(0, fields.at(1).toInt()), end < 0 ? std::numeric_limits<int>::max() : end});
        }
    }
    std::sort(parts.begin(), parts.end());
    return parts;
}

bool ExportWorkers::isInShare(const PstFolderItem& folder, const QStringList& share)
{
    return !partsOf(folder, share).isEmpty();
}

bool ExportWorkers::isInShare(const QString& folderId, const QStringList& share)
{
    return std::any_of(share.begin(), share.end(), [&folderId](const QString& entry) {
        return entry.section(QLatin1Char(':'), 0, 0) == folderId;
    });
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
    m_expected.clear();
    QSet<QString> written;
    for (const QStringList& share : shares) {
        for (const QString& entry : share) {
            const QString id = entry.section(QLatin1Char(':'), 0, 0);
            const PstFolderItem* folder = folders.value(id);
            if (!folder || m_expected.contains(id))
                continue;
            for (const QString& key : formats)
                m_expected[id][key] = folder->itemCount(ExportManager::formatKind(key));
            // A Maildir++ tree keeps its folders at its top, not in the mirrored tree.
            if (formats != QList<QString>{QStringLiteral("maildir")})
                written.insert(id);
        }
    }
    folderDirectories(root, outputDir, written, m_directories);
    m_pruneEmptyFolders = pruneEmptyFolders;
    Log::info(QStringLiteral("Converting in %1 processes.").arg(shares.size()));
    for (qsizetype w = 0; w < shares.size(); ++w) {
        Worker& worker = m_workers[w];
        worker.share = shares.at(w);
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
        } else if (words.size() == 4 && words.at(0) == QLatin1String("found")) {
            worker.found[words.at(1)][words.at(2)] += words.at(3).toInt();
        } else if (words.size() >= 4 && words.at(0) == QLatin1String("reason")) {
            m_reasons[words.at(1)][words.mid(3).join(QLatin1Char(' '))] += words.at(2).toInt();
        }
    }
}

QHash<QString, int> ExportWorkers::missingOf(qsizetype w) const
{
    const Worker& worker = m_workers.at(w);
    QHash<QString, int> missing;
    QSet<QString> ids;
    for (const QString& entry : worker.share)
        ids.insert(entry.section(QLatin1Char(':'), 0, 0));
    for (const QString& key : std::as_const(m_formats)) {
        if (worker.results.contains(key)) {
            missing[key] += worker.results.value(key).second;
            continue;
        }
        // Without its report: what the others did not find of its folders.
        for (const QString& id : std::as_const(ids)) {
            int foundElsewhere = 0;
            for (qsizetype other = 0; other < m_workers.size(); ++other) {
                if (other != w)
                    foundElsewhere += m_workers.at(other).found.value(id).value(key);
            }
            missing[key] += qMax(0, m_expected.value(id).value(key) - foundElsewhere);
        }
    }
    return missing;
}

void ExportWorkers::workerEnded()
{
    if (--m_running > 0)
        return;
    for (qsizetype w = 0; w < m_workers.size(); ++w)
        readReport(w);
    QMap<QString, int> failed;
    for (qsizetype w = 0; w < m_workers.size(); ++w) {
        const QHash<QString, int> missing = missingOf(w);
        for (const QString& key : std::as_const(m_formats)) {
            if (!m_workers.at(w).results.contains(key)) {
                if (missing.value(key) > 0)
                    Log::warn(QStringLiteral("A conversion worker ended without its report; its %1 %2 items count as failed.")
                                  .arg(missing.value(key))
                                  .arg(key));
                continue;
            }
            // The items it found and could not write.
            failed[key] += missing.value(key);
        }
    }
    // Items the open counted that no worker found are not written either
    // (the file changed since, or a worker ended early).
    for (auto folder = m_expected.cbegin(); folder != m_expected.cend(); ++folder) {
        for (const QString& key : std::as_const(m_formats)) {
            int found = 0;
            bool allReported = true;
            for (const Worker& worker : std::as_const(m_workers)) {
                found += worker.found.value(folder.key()).value(key);
                if (!worker.results.contains(key) && isInShare(folder.key(), worker.share))
                    allReported = false;
            }
            const int unread = qMax(0, folder->value(key) - found);
            failed[key] += unread;
            if (unread > 0 && allReported) {
                Log::warn(QStringLiteral("%1 %2 items of folder %3 could not be read again from the file; they are not written.")
                              .arg(unread)
                              .arg(key, folder.key()));
                m_reasons[key][ExportManager::unreadReason()] += unread;
            }
        }
    }
    for (const auto& [dir, hadItems] : std::as_const(m_directories)) {
        if (m_pruneEmptyFolders && !hadItems && QDir(dir).exists() && QDir(dir).isEmpty())
            QDir().rmdir(dir);
    }
    emit finished(failed);
}
