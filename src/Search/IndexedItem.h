// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

// What the search index holds of one item: its texts and the columns a
// search filters and sorts on.
struct IndexedItem
{
    // The item's descriptor id in the file (as `lumaroo-cli show` takes it).
    quint64 nodeId = 0;
    // The folder path as `lumaroo-cli list` prints it ("" for the file's own items).
    QString folderPath;
    int itemType = 0;              // ItemType
    QDateTime date;                // delivery/sent date, start of an appointment, …
    qint64 size = 0;               // bytes, as the list shows
    bool hasAttachment = false;
    QString subject;
    QString sender;                // name and address
    QString recipients;            // To, Cc and Bcc names and addresses
    QString body;                  // the shown body as text; notes; contact fields
    QString attachmentNames;
};
