// SPDX-License-Identifier: GPL-2.0-or-later
#include "ExportToEml.h"

#include "readpst.h"

bool ExportToEml::exportItem(pst_item* item, const QString& outputDir, CancelToken* token,
                             std::function<void(int)> progress)
{
    FILE* out = openItemFile(item, item && item->email, outputDir, token, QStringLiteral("mail"),
                             QStringLiteral("Export failed: PST email is empty."),
                             QStringLiteral("Export eml failed: unable to open output file %1."));
    if (!out)
        return false;
    char* extraMimeHeaders = nullptr;
    write_normal_email(out, nullptr, item, 0, 0, m_pstFile, 1, 0, &extraMimeHeaders);
    return finishItemFile(out, progress);
}
