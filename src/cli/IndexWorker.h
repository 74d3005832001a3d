// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// One worker process of an index build (see IndexBuild):
// `lumaroo-cli index FILE --worker-shard K --worker-shards N --worker-folders PARTS`.
class IndexWorker
{
public:
    // Reads the items of the parts (IndexShares) one folder at a time and
    // writes them into shard `shard` of `shards`, printing on stdout
    // "progress DONE 0" as it goes and "failed REASON DETAIL" when it
    // cannot finish (IndexProgressLine); 0 once the shard is complete.
    static int run(const QString& pstPath, int shard, int shards, const QStringList& parts);
};
