// SPDX-License-Identifier: GPL-2.0-or-later
#include "ExportToTxt.h"

#include "PstDataConverter.h"

bool ExportToTxt::exportItem(pst_item* item, const QString& outputDir, CancelToken* token,
                             std::function<void(int)> progress)
{
    // A note whose file cannot be opened only fails; there is no message for it.
    FILE* out = openItemFile(item, item != nullptr, outputDir, token, QStringLiteral("note"),
                             QStringLiteral("Export failed: PST note is empty."), QString());
    if (!out)
        return false;
    const int codePage = PstDataConverter::recordCodePage(item);
    writeQString(out, PstDataConverter::filetimeToQString(item->create_date), true);
    writeQString(out, PstDataConverter::filetimeToQString(item->modify_date), true);
    writeQString(out, PstDataConverter::toQString(item->subject, codePage), true);
    writeQString(out, PstDataConverter::toQString(item->body, codePage), false);
    return finishItemFile(out, progress);
}
