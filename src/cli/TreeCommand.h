// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QHash>
#include <QJsonObject>
#include <QStringList>

class PstFolderItem;
class PstItem;

// `lumaroo-cli tree FILE.pst`: the document's folders as JSON.
class TreeCommand
{
public:
    static int run(const QStringList& args);
    // One folder and its sub-folders; item counts from `counts` when given.
    static QJsonObject folderToJson(const PstFolderItem& folder, const QHash<const PstItem*, int>* counts = nullptr);
};
