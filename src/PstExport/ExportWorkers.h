// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class PstFolderItem;
class QProcess;

// Writes a document's one-file-per-item formats with several worker
// processes at once (`lumaroo-cli convert … --worker-folders`), each with its
// own open file and a share of the folders: libpst keeps process-wide state,
// so one process reads one item at a time. Sums what the workers report.
class ExportWorkers : public QObject
{
    Q_OBJECT
public:
    explicit ExportWorkers(QObject* parent = nullptr);
    // Workers still running are killed.
    ~ExportWorkers() override;

    // lumaroo-cli beside this program (in a build tree, in its cli folder);
    // "" when there is none.
    static QString siblingProgram();
    // Whether several processes can write `formats` at once: each item to
    // a file of its own in its folder's directory, nothing shared.
    static bool canSplit(const QList<QString>& formats);
    // The ids of the folders holding items of `formats` (of those `selected`
    // accepts, when given), in at most `jobs` shares with about as many
    // items each ("root" for the document's own items); fewer shares when
    // there are fewer such folders.
    static QList<QStringList> shares(const PstFolderItem& root, const QList<QString>& formats, int jobs,
                                     const std::function<bool(const PstFolderItem&)>& selected = {});
    // The token a worker finds in its environment (kWorkerTokenVariable),
    // made from its parent's process id: the worker option is for processes
    // this class starts, never for a user's command line.
    static QByteArray workerToken(qint64 parentPid);
    static constexpr char kWorkerTokenVariable[] = "LUMAROO_WORKER_TOKEN";
    // Whether `folder` is one of `folderIds` (as shares() names them).
    static bool isInShare(const PstFolderItem& folder, const QStringList& folderIds);

    // Starts one worker of `program` per share, writing the document of
    // `root` into `outputDir`; removes the directories left empty at the
    // end when `pruneEmptyFolders` (those of folders in no share).
    void start(const QString& program, const PstFolderItem& root, const QString& outputDir,
               const QList<QString>& formats, const QList<QStringList>& shares, bool pruneEmptyFolders);
    // Stops every worker; what they did not report counts as failed.
    void cancel();
    // Why the workers could not write items, per format key, with how
    // many items each (as ExportManager::lastRunFailureReasons()).
    QMap<QString, QMap<QString, int>> failureReasons() const { return m_reasons; }

signals:
    // Items of a format written so far, by all workers together.
    void progressed(const QString& formatKey, int done);
    // Every worker has ended: the items not written, per format, those of a
    // worker that ended without its report all counted.
    void finished(const QMap<QString, int>& failed);

private:
    struct Worker
    {
        QProcess* process = nullptr;
        QHash<QString, int> done;
        // Per format: items found and failed, once reported.
        QHash<QString, std::pair<int, int>> results;
        QHash<QString, int> shareTotals;
    };

    void readReport(qsizetype index);
    void workerEnded();

    QList<Worker> m_workers;
    QList<QString> m_formats;
    int m_running = 0;
    // The folder directories, deepest first, each with whether its folder
    // had items; those left empty go at the end when m_pruneEmptyFolders.
    QList<std::pair<QString, bool>> m_directories;
    bool m_pruneEmptyFolders = false;
    QMap<QString, QMap<QString, int>> m_reasons;
};
