// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <memory>

class PstFolderItem;

// What an opened document could not show: messages whose node is damaged or
// unreadable, messages of a class no item kind stands for, and whether the
// named properties had to be left out. Kept by the document root, so the
// window and the command line can say how much is missing.
struct ParseLosses
{
    struct Item
    {
        quint64 nodeId = 0;
        QString messageClass; // empty for a damaged item
        std::weak_ptr<PstFolderItem> folder;
    };

    // Messages a folder says it holds but whose nodes are not in the file's
    // index (a truncated file, a damaged index).
    struct Missing
    {
        int count = 0;
        std::weak_ptr<PstFolderItem> folder;
    };

    QList<Item> damaged;
    QList<Item> unshown;
    // Outlook's own bookkeeping (free/busy data, views, settings, ...) in
    // its internal folders: not the user's items, so not a loss either.
    QList<Item> internal;
    QList<Missing> missing;
    // The name-to-id map was damaged: items were read without named
    // properties (task and journal values among them).
    bool withoutNamedProperties = false;

    qsizetype missingCount() const
    {
        qsizetype total = 0;
        for (const Missing& each : missing)
            total += each.count;
        return total;
    }
    // Every message of the file the tree does not show.
    qsizetype count() const { return damaged.size() + unshown.size() + missingCount(); }
};
