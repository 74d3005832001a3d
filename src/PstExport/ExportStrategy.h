// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <libpst/libpst.h>

#include <QMap>
#include <QMutex>
#include <QRecursiveMutex>
#include <QByteArray>
#include <QString>

#include <cstdio>
#include <functional>
#include <memory>

class ClaimedFile;

class CancelToken;
class PstItem;

// One output format of an export run: writes one freshly parsed libpst item.
// Exporters run on the export thread, one item at a time.
class ExportStrategy
{
public:
    // `appMode`: the run hands items to other applications instead of files.
    explicit ExportStrategy(bool appMode);
    virtual ~ExportStrategy();

    // Writes `item` below `outputDir`; true when it was written. Calls
    // `progress` (when set) with the processed-items count after a success.
    virtual bool exportItem(pst_item* item, const QString& outputDir, CancelToken* token,
                            std::function<void(int)> progress) = 0;
    // The extension of the files this exporter writes.
    virtual QString type() const = 0;
    // The format this exporter stands for ("eml", ..., "ics2"); it names the
    // progress reporter and the error counter. Equals type() unless overridden.
    virtual QString formatKey() const;

    // App mode, on the export thread after the run's last item: finishes
    // work the exporter deferred (batched hand-over) and returns how many of
    // the items it reported as done were lost after all.
    virtual int finishAppRun() { return 0; }

    // The path for `item`'s file: its subject (or `defaultName`) made safe,
    // unique in `outputDir`; "" for a null item.
    QString getOutputFilename(pst_item* item, const QString& outputDir, const QString& defaultName) const;

    // The open libpst file the next items come from: attachments and attached
    // mails are read from it. Not owned; set by the task before exportItem.
    void setPstFile(pst_file* file) { m_pstFile = file; }
    pst_file* pstFile() const { return m_pstFile; }
    // The tree's item the next record was parsed for: its decoded values and
    // its node. Not owned; set by the task around exportItem, else null.
    void setSourceItem(const PstItem* item) { m_sourceItem = item; }
    // The node the next item was parsed from, for properties libpst's record
    // does not carry. Not owned; set by the task with the file.
    void setPstNode(pst_desc_tree* node) { m_pstNode = node; }
    // The document's lock, which the task holds (once) around exportItem.
    // It is let go while the item's file is created and while it is flushed
    // and closed, which need no libpst: the run's walk reads on meanwhile.
    // Not owned; null (the default) keeps whatever lock the caller holds.
    void setPstLock(QRecursiveMutex* lock) { m_pstLock = lock; }
    pst_desc_tree* pstNode() const { return m_pstNode; }
    // The UID of the next item: its store's identity and its node id, the
    // same in every export of the item and in no other file (see
    // StoreIdentity). Empty without a node.
    QByteArray itemUid() const;

    // Called once before a run's first item with the run's output folder.
    virtual void beginRun(const QString& outputRoot) { (void)outputRoot; }

    // Items handed to exportItem since the run's exporters were set up.
    int processedCount() const { return m_processed; }
    void resetProcessedCount() { m_processed = 0; }

    // Writes the UTF-8 bytes of `text`, then a line feed when asked.
    static void writeQString(FILE* out, const QString& text, bool newline);

    // Why items could not be written since the last call (a full disk, a
    // name that cannot be created, ...), with how many items each; cleared.
    QMap<QString, int> takeFailureReasons();

protected:
    // Counts one exportItem call; returns the new count.
    int countProcessed() { return ++m_processed; }
    // Steps 1 to 3 shared by every exporter: counts the call and checks the
    // item (logging `missingMessage` when it has no record) and the token.
    bool acceptItem(pst_item* item, bool hasRecord, CancelToken* token, const QString& missingMessage);
    // Steps 1 to 5 shared by every file exporter: counts the call, checks the
    // item and the token, and opens the item's file. Null (after logging the
    // exporter's message, if any) when the item cannot be written.
    FILE* openItemFile(pst_item* item, bool hasRecord, const QString& outputDir, CancelToken* token,
                       const QString& defaultName, const QString& missingMessage, const QString& openFailedMessage,
                       QString* path = nullptr);
    // Closes the file and reports progress; true when the file is on disk
    // whole. A file that is not is removed, and the reason noted.
    bool finishItemFile(FILE* out, const std::function<void(int)>& progress);
    // Notes why an item could not be written, for the run's summary.
    void noteFailure(const QString& reason);
    // The item's name before it is made unique: its subject (or
    // `defaultName`) made safe.
    QString outputName(pst_item* item, const QString& defaultName) const;

    bool m_appMode = false;
    pst_file* m_pstFile = nullptr;
    const PstItem* m_sourceItem = nullptr;
    pst_desc_tree* m_pstNode = nullptr;

private:
    QRecursiveMutex* m_pstLock = nullptr;
    int m_processed = 0;
    // The file openItemFile() claimed, until finishItemFile().
    std::unique_ptr<ClaimedFile> m_itemFile;
    QMutex m_reasonsLock;
    QMap<QString, int> m_failureReasons;
};
