// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class PstFolderItem;

// Runs a conversion in several processes at once, one per share of the
// folders, each with its own open file: libpst keeps process-wide state, so
// one process reads one item at a time. The first process shows the
// workers' progress as one, then the summary and the losses.
class ConvertWorkers
{
public:
    struct Job
    {
        QString pstPath;
        QString outputDir;
        QList<QString> formats;
        bool keepEmptyFolders = false;
    };

    // Whether several processes can write `formats` at once: each item to
    // a file of its own in its folder's directory, nothing shared.
    static bool canSplit(const QList<QString>& formats);
    // The ids of the folders holding items of `formats`, in at most `jobs`
    // shares with about as many items each ("root" for the document's own
    // items); fewer shares when there are fewer such folders.
    static QList<QStringList> shares(const PstFolderItem& root, const QList<QString>& formats, int jobs);
    // Converts with one worker per share. Output and exit status as the
    // single-process conversion; a worker that ends without its report has
    // every item of its share counted as failed.
    static int runParent(const Job& job, const PstFolderItem& root, const QList<QStringList>& shares);
    // One worker: writes the items of the folders `folderIds` names into the
    // prepared output folder and prints, on stdout, "progress KEY DONE" as it
    // goes and "result KEY TOTAL FAILED" per format at the end.
    static int runWorker(const Job& job, const QStringList& folderIds);
};
