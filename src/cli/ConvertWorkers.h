// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One worker process of a conversion shared out among several (see
// ExportWorkers): `lumaroo-cli convert FILE OUTDIR --formats … --worker-folders IDS`.
class ConvertWorkers
{
public:
    struct Job
    {
        QString pstPath;
        QString outputDir;
        QList<QString> formats;
    };

    // Writes the items of the folders and folder parts `folderIds` names
    // (ExportWorkers::shares()) into the prepared output folder and prints,
    // on stdout, "progress KEY DONE" as it goes, then "found FOLDER KEY N"
    // for the items it found per folder and "result KEY TOTAL FAILED" per
    // format. Leaves empty folders to the first process, as another worker
    // may still write below.
    static int runWorker(const Job& job, const QStringList& folderIds);
};
