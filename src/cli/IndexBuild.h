// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "IndexProgressLine.h"

#include <QString>

#include <functional>

// Builds a file's search index for `lumaroo-cli index` and `search`: reuses
// a complete one at once, waits for another process building the same one,
// and otherwise removes what is there (half-built, damaged, or of an older
// version of the file) and builds it anew with one worker process per
// share of the items (see IndexShares), each writing a shard of its own.
class IndexBuild
{
public:
    enum class Status { Complete, Failed, BadFile };
    struct Outcome
    {
        Status status = Status::Failed;
        IndexProgressLine::Reason reason = IndexProgressLine::Reason::None;
        // The folder, file or error the failure concerns.
        QString detail;
        // The whole failure, in English, for the command line.
        QString message() const;
    };
    using Progress = std::function<void(int indexed, int total)>;

    // Runs in the calling thread with its own event loop; `program` is the
    // lumaroo-cli to start the workers from.
    static Outcome run(const QString& program, const QString& pstPath, int jobs, const Progress& progress);

    // The option that makes `lumaroo-cli index` a worker of another.
    static constexpr char kWorkerShardOption[] = "--worker-shard";
    static constexpr char kWorkerFoldersOption[] = "--worker-folders";
};
