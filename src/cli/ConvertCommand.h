// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>

#include <functional>

class ExportManager;

// `lumaroo-cli convert FILE.pst OUTDIR [--formats eml,vcf,ics,txt,ics2]
// [--keep-empty-folders] [--jobs N]`: the window's conversion, headless, in
// N worker processes where it can be shared out (see ExportWorkers). Shows one
// progress bar per format (plain lines when stdout is no terminal), then
// what was written and what failed per format. Exit status 0 when every item
// was written, 1 when any failed or the file cannot be opened, 2 for a usage
// error.
class PstFolderItem;

class ConvertCommand
{
public:
    static int run(const QStringList& args);

    // Runs what `start` starts on `manager` with the progress and summary
    // above ("N <doneVerb>, M failed" per format) and the losses of reading
    // `root`; the exit status as above.
    static int execute(ExportManager& manager, const std::function<void()>& start, const QList<QString>& formats,
                       const QString& nothingToDoMessage, const QString& doneVerb, const PstFolderItem& root);
};
