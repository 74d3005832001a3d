// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstFolderItem.h"

#include <QJsonObject>
#include <QString>

#include <functional>
#include <memory>

// The JSON form of items for the list and show commands, and the walk that
// gives every item its address. An item is addressed by its descriptor id
// (decimal) or by its path: the folder names from the document root's first
// level down, joined by "/", then "/#" and the item's index in its folder.
class ItemJson
{
public:
    // "mail", "appointment", "contact", "journal", "task", "note" or "folder".
    static QString typeName(const PstItem& item);
    // What the item list shows of an item: kind, names, date text, duration.
    static QJsonObject listEntry(const PstItem& item, const QString& path);
    // Everything the detail view shows: properties, sections, and for a mail
    // its attachments and body.
    static QJsonObject details(const PstItem& item, const QString& path);

    // Calls visit(folder, folderPath) for `root`'s folders, depth first,
    // parents before children; the root itself is not visited.
    static void forEachFolder(const PstFolderItem& root,
                              const std::function<void(const PstFolderItem&, const QString&)>& visit);
    // The item with this id or path, with its path; empty when none.
    static std::shared_ptr<PstItem> find(const PstFolderItem& root, const QString& idOrPath, QString* path);
};
