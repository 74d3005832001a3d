// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QJsonObject>
#include <QStringList>

class PstFolderItem;

// `lumaroo-cli tree FILE.pst`: the document's folders as JSON.
class TreeCommand
{
public:
    static int run(const QStringList& args);
    // One folder and its sub-folders, each with its item count.
    static QJsonObject folderToJson(const PstFolderItem& folder);
};
