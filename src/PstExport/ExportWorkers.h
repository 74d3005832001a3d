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


// Writes a document's files with several worker processes at once
// (`lumaroo-cli convert … --worker-folders`), each with its own open file and
// a share of the folders (or of a large folder's items): libpst keeps
// process-wide state, so one process reads one item at a time. Sums what the
// workers report.
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
    // Whether several processes can write `formats` at once: each writes
    // its own folders' files, mailboxes and Maildir messages (Maildir names
    // are unique per process), nothing one process appends to is shared.
    static bool canSplit(const QList<QString>& formats);
    // The parts of the document holding items of `formats` (of the folders
    // `selected` accepts, when given), in at most `jobs` shares of about the
    // same size: by the bytes of the folders' messages as the open read them
    // plus a fixed cost per item, by item counts where sizes are unknown.
    // A part is a folder's id ("root" for the document's own items), or
    // "ID:FIRST:END" for the folder's item nodes FIRST up to END (-1: to
    // its last), when a folder larger than a share is cut. Folders are cut
    // only where every format writes a file per item; with mbox, folders
    // whose mailbox would be the same file stay in one share. Fewer shares
    // when there are fewer parts.
    static QList<QStringList> shares(const PstFolderItem& root, const QList<QString>& formats, int jobs,
                                     const std::function<bool(const PstFolderItem&)>& selected = {});
    // The token a worker finds in its environment (kWorkerTokenVariable),
    // made from its parent's process id: the worker option is for processes
    // this class starts, never for a user's command line.
    static QByteArray workerToken(qint64 parentPid);
    static constexpr char kWorkerTokenVariable[] = "LUMAROO_WORKER_TOKEN";
    // The id a share names `folder` by.
    static QString folderId(const PstFolderItem& folder);
    // The item node ranges [first, end) of `folder` that `share` (as shares()
    // gives it) holds; empty when it holds none of the folder.
    static QList<std::pair<int, int>> partsOf(const PstFolderItem& folder, const QStringList& share);
    // Whether `share` holds any of `folder`'s items.
    static bool isInShare(const PstFolderItem& folder, const QStringList& share);
    static bool isInShare(const QString& folderId, const QStringList& share);

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
        // Per folder id and format: the items the worker found there.
        QHash<QString, QHash<QString, int>> found;
        QStringList share;
    };

    void readReport(qsizetype index);
    void workerEnded();

    // The items the worker `w` did not write (failed or never found), per
    // format, all of them when it ended without its report.
    QHash<QString, int> missingOf(qsizetype w) const;

    QList<Worker> m_workers;
    QList<QString> m_formats;
    // Per folder id of the shares and format: the items the document's open
    // counted there.
    QHash<QString, QHash<QString, int>> m_expected;
    int m_running = 0;
    // The folder directories, deepest first, each with whether its folder
    // had items; those left empty go at the end when m_pruneEmptyFolders.
    QList<std::pair<QString, bool>> m_directories;
    bool m_pruneEmptyFolders = false;
    QMap<QString, QMap<QString, int>> m_reasons;
};
