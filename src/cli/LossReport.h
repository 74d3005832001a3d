// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstFolderItem.h"

#include <QJsonObject>
#include <QString>

// What the command line says about the messages of a document it could not
// show: the JSON the list command adds, and one summary line per kind of
// loss for stderr or a convert summary.
namespace LossReport {

// "damaged", "unshown" and "missing" arrays (folder path, node id, message
// class or count), "internal" (Outlook's own bookkeeping messages, which
// are no loss) and "withoutNamedProperties", to merge into a document.
QJsonObject toJson(const PstFolderItem& root);
// "" when nothing was lost; otherwise one line per kind, each ending in "\n".
QString summary(const PstFolderItem& root);
// Messages of the file that are not in the tree.
qsizetype lostCount(const PstFolderItem& root);

} // namespace LossReport
