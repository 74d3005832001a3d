// SPDX-License-Identifier: GPL-2.0-or-later
#include "ExportToIcs2.h"

#include "readpst.h"

bool ExportToIcs2::exportItem(pst_item* item, const QString& outputDir, CancelToken* token,
                              std::function<void(int)> progress)
{
    FILE* out = openItemFile(item, item && item->journal, outputDir, token, QStringLiteral("journal"),
                             QStringLiteral("Export failed: PST journal is empty."),
                             QStringLiteral("Export ics failed: unable to open output file %1."));
    if (!out)
        return false;
    const QByteArray uid = itemUid();
    write_journal(out, item, uid.isEmpty() ? nullptr : uid.constData());
    return finishItemFile(out, progress);
}
