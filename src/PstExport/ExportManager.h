// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QMap>
#include <QObject>
#include <QSemaphore>
#include <QString>
#include <QThreadPool>

#include "CancelToken.h"
#include "EdsSources.h"
#include "ExportFormat.h"
#include "ItemType.h"

#include <array>
#include <atomic>
#include <functional>
#include <memory>

class ExportStrategy;
class ExportWorkers;
class ProgressReporter;
class PstFolderItem;
class PstItem;

// The export engine: walks a folder of a PST document (everything below it
// too) and writes each item in the selected formats ("eml", "vcf", "ics",
// "txt", "ics2", "tasks" one file per item; "mbox", "maildir" mailboxes), one item at a time on the process-wide thread pool,
// which it limits to one thread. One manager serves one run; it lives on the
// main thread and needs a running event loop there to report. A mail can
// go to several formats at once (.eml, mbox, Maildir).
class ExportManager : public QObject
{
    Q_OBJECT
public:
    explicit ExportManager(QObject* parent = nullptr);
    ~ExportManager() override;

    // Starts converting `root` (a folder) into files below `outputDir` and
    // returns at once; the run ends with exportCompleted, or emits
    // exportItemNotFound when there is nothing of the formats to export.
    void startExportToFiles(const std::shared_ptr<PstItem>& root, const QString& outputDir,
                            const QList<QString>& formats);
    // Starts handing the contacts ("vcf") and appointments ("ics") of `root`
    // to the desktop's address book and calendar, using `scratchDir` for the
    // collected vCards. When the desktop service cannot be reached it emits
    // appAccessDenied and starts nothing.
    void startExportToApp(const std::shared_ptr<PstItem>& root, const QString& scratchDir,
                          const QList<QString>& formats);
    // Whether folders that produced no file are removed again (default true).
    void setIgnoreEmptyFolder(bool ignore);
    // A worker's run (see ExportWorkers): writes the items of the folders
    // `parts` gives ranges of item nodes [first, end) for, only those, read
    // from the file, whether or not the document's open counted them; the
    // folder tree is made whole still. What it found is in lastRunFound(),
    // the run's totals are the items found. Unset: every folder's items.
    using NodeRanges = QList<std::pair<int, int>>;
    void setFolderShare(std::function<NodeRanges(const PstFolderItem&)> parts) { m_folderShare = std::move(parts); }
    // Per folder id (ExportWorkers::folderId) and format key: the items a
    // worker's last run found in its share.
    QMap<QString, QMap<QString, int>> lastRunFound() const { return m_lastRunFound; }
    // Converts the items of the folders `selected` accepts only, in one
    // process or shared out among workers (the user's choice of folders);
    // folders left empty are pruned as ever. Unset: every folder's.
    void setFolderSelection(std::function<bool(const PstFolderItem&)> selected)
    {
        m_folderSelection = std::move(selected);
    }
    // Runs that write a whole document into files share its folders (and
    // parts of large folders) out among `jobs` processes of `program`
    // (lumaroo-cli; see ExportWorkers). Fewer than two jobs or no program:
    // one process.
    void setWorkers(int jobs, const QString& program);
    // Stops the run: the tasks not yet run fail at once; exportCompleted
    // still follows.
    void cancel();
    bool isRunning() const;

    // Failed items per format key of the last finished run.
    QMap<QString, int> lastRunErrors() const { return m_lastRunErrors; }

    // Per selected format of the last finished run, in table order.
    struct FormatResult
    {
        QString key;
        QString label;
        int total = 0;  // items of the format found
        int failed = 0; // not written / not stored (cancelled ones included)
        // Messages of the run's folders of this format's kind (by their
        // folder's kind) that the file could not give: damaged, of an
        // unknown class, missing from its index.
        int damaged = 0;
        int unshown = 0;
        int missing = 0;
        int done() const { return total - failed; }
        int lost() const { return damaged + unshown + missing; }
    };
    QList<FormatResult> lastRunSummary() const { return m_lastRunSummary; }
    // Per format key of the last finished run: why items could not be
    // written (the system's words), with how many items each.
    QMap<QString, QMap<QString, int>> lastRunFailureReasons() const { return m_lastRunReasons; }
    // The losses of the last run's folders that belong to no chosen format
    // (in `damaged`, `unshown` and `missing`; its key is empty).
    FormatResult lastRunOtherLosses() const { return m_lastRunOtherLosses; }
    // Whether the last run was cancelled before its end.
    bool wasCancelled() const { return m_token.isCancelled(); }

    // Every format of the engine, in the order it handles them.
    static QList<ExportFormat> formats();
    // Why items the document's open counted were not written when a run
    // did not find them again.
    static QString unreadReason();
    // The label of a format's progress ("Emails", ...); "" for an unknown key.
    static QString progressLabel(const QString& formatKey);
    // Every format key in the order the engine handles them.
    static QList<QString> allFormats();
    // The formats a conversion writes when none are named: one file per
    // item (eml, vcf, ics, txt, ics2), without the mailbox formats.
    static QList<QString> defaultFormats();
    // What a format chooser shows for the format (translated); "" for an
    // unknown key.
    static QString formatCaption(const QString& formatKey);
    static constexpr int kFormatCount = 8;
    // The kind of item a format writes (Mail for an unknown key).
    static ItemType formatKind(const QString& formatKey);

signals:
    // The run's last item has been handled; `appMode` as the run was started.
    void exportCompleted(bool appMode);
    // Once per selected format while a run starts, on the caller's thread.
    void progressReady(const QString& label, std::shared_ptr<ProgressReporter> reporter, int total);
    void exportItemNotFound();
    // App mode only: the desktop service is not reachable; nothing was started.
    void appAccessDenied(const QString& title, const QString& text);

public slots:
    void threadFinished(QString formatKey, bool ok);

private:
    using Counts = std::array<int, kFormatCount>;

    void startRun(const std::shared_ptr<PstItem>& root, const QString& outputDir, const QList<QString>& formats);
    bool preScan(const std::shared_ptr<PstItem>& root);
    Counts scanFolder(const std::shared_ptr<PstItem>& item) const;
    // Every selected format that writes this item (a mail can go to .eml
    // and to mailboxes).
    QList<int> formatIndexesFor(const std::shared_ptr<PstItem>& item) const;
    bool writesIntoFolderDirectories() const;
    bool takesItemsOf(const PstFolderItem& folder) const;
    // Hands over the items of the folder the run writes, in order: all it
    // has, or a worker's parts; read from the file a few at a time.
    // Mails read from the file come with their parsed record, which `visit`
    // owns (null for any other item).
    void forEachRunItem(const PstFolderItem& folder,
                        const std::function<void(const std::shared_ptr<PstItem>&, pst_item*)>& visit) const;
    static constexpr int kItemsReadAtOnce = 256;
    // Counts the document's losses in the run's folders into the summary,
    // each under the chosen format of its folder's kind.
    void attributeLosses(const std::shared_ptr<PstItem>& root);
    // The items of the chosen formats `folder` holds.
    int itemsOfFormats(const PstFolderItem& folder) const;
    // Starts the run in worker processes when it can be shared out.
    bool startWorkers(const std::shared_ptr<PstItem>& root, const QString& outputDir);
    void initReporters();
    void initStrategyPool(bool toApp);
    // Queues the tasks of `item`'s tree; after a cancel it queues no more and
    // counts the rest in `skipped`.
    void exportFolder(const std::shared_ptr<PstItem>& item, const QString& outputDir, bool toApp, Counts& skipped);
    // Counts the items `folder` counted that its reading did not give
    // (`found` per format) as not written: the file changed or broke since
    // it was opened.
    void countUnread(const PstFolderItem& folder, const Counts& found, Counts& skipped);
    // A worker's walk has read `folder`'s part: `found` per format.
    void noteFound(const PstFolderItem& folder, const Counts& found);
    // The walk has queued its last task (on the caller's thread).
    void walkFinished(const Counts& skipped);
    // Ends the run once the walk is done and no task is left.
    void finishIfDone();
    void finishRun();
    void addFailureReasons(const QMap<QString, QMap<QString, int>>& reasons);
    // App mode: stores what the exporters queued and hands the collected
    // vCards to the address book, off the UI thread; then finishes the run.
    void finishAppRun();
    // `record` (owned, may be null): the item's record as the walk parsed it.
    void queueItem(const std::shared_ptr<PstItem>& item, int formatIndex, const QString& outputDir, pst_item* record);

    bool m_ignoreEmptyFolder = true;
    std::atomic<bool> m_running{false};
    bool m_appMode = false;
    // Changed by the walk (up) and on the caller's thread (down).
    std::atomic<int> m_pendingTasks{0};
    bool m_walkDone = true;
    // The walk reads one folder at a time and waits while this many tasks
    // are queued, so a run holds few items however large the file.
    static constexpr int kQueuedTasks = 64;
    // Shared with the tasks, which give their slot back as they are deleted.
    std::shared_ptr<QSemaphore> m_taskSlots = std::make_shared<QSemaphore>(kQueuedTasks);
    // The queued tasks hold the records the walk parsed up to this many
    // bytes; past it a task parses its item itself when it runs.
    static constexpr qint64 kHeldRecordBytes = 32 * 1024 * 1024;
    std::atomic<qint64> m_heldRecordBytes{0};
    QThreadPool m_walkPool;
    std::function<NodeRanges(const PstFolderItem&)> m_folderShare;
    // A worker's run: what its walk found, per folder id and format key.
    QMap<QString, QMap<QString, int>> m_found;
    QMap<QString, QMap<QString, int>> m_lastRunFound;
    std::function<bool(const PstFolderItem&)> m_folderSelection;
    std::shared_ptr<PstItem> m_runRoot;
    FormatResult m_lastRunOtherLosses;
    int m_workerJobs = 1;
    QString m_workerProgram;
    ExportWorkers* m_workers = nullptr;
    Counts m_scanTotals{};
    QMap<QString, int> m_errors;
    QList<QString> m_formats;
    CancelToken m_token;
    QMap<int, std::shared_ptr<ExportStrategy>> m_strategyPool;
    QMap<QString, std::shared_ptr<ProgressReporter>> m_reporters;
    QMap<QString, int> m_lastRunErrors;
    // Per format, items the walk (on its thread) could not read again.
    Counts m_unread{};
    QList<FormatResult> m_lastRunSummary;
    QMap<QString, QMap<QString, int>> m_reasons;
    QMap<QString, QMap<QString, int>> m_lastRunReasons;
    QString m_contactsFilePath;
    EdsSources::Target m_addressBook;
    bool m_importing = false;
};
