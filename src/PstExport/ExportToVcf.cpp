// SPDX-License-Identifier: GPL-2.0-or-later
#include "ExportToVcf.h"

#include "CancelToken.h"
#include "Log.h"
#include "readpst.h"

#include <QFile>

bool ExportToVcf::exportItem(pst_item* item, const QString& outputDir, CancelToken* token,
                             std::function<void(int)> progress)
{
    FILE* out = m_appMode ? openContactsFile(item, outputDir, token)
                          : openItemFile(item, item && item->contact, outputDir, token, QStringLiteral("contact"),
                                         QStringLiteral("Export failed: PST contact is empty."),
                                         QStringLiteral("Export vcf failed: unable to open output file %1."));
    if (!out)
        return false;
    // The writer converts the contact's own strings; the comment comes from
    // the item and may still be in the record's 8-bit code page.
    pst_convert_utf8_null(item, &item->comment);
    write_vcard(out, item, item->contact, item->comment.str);
    return finishItemFile(out, progress);
}

FILE* ExportToVcf::openContactsFile(pst_item* item, const QString& outputDir, CancelToken* token)
{
    countProcessed();
    if (!item || !item->contact) {
        Log::warn(QStringLiteral("Export failed: PST contact is empty."));
        return nullptr;
    }
    if (token && token->isCancelled())
        return nullptr;
    // The scratch directory of an app-mode run ends in a slash.
    const QString path = QStringLiteral("%1%2.%3").arg(outputDir, QStringLiteral("contact"), type());
    FILE* out = fopen(QFile::encodeName(path).constData(), "ab");
    if (!out)
        Log::warn(QStringLiteral("Export vcf failed: unable to open output file %1.").arg(path));
    return out;
}
