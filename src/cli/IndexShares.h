// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class PstFolderItem;

// How `lumaroo-cli index` shares a file's items out among its worker
// processes. A share is a list of parts: "ID" (a folder's items, "root" for
// the document's own) or "ID:K/N" (the K-th of N slices of a folder too
// large for one worker: its items whose index modulo N is K).
class IndexShares
{
public:
    // At most `jobs` shares with about as many items each; fewer when the
    // file has fewer items to share; none for a file without items.
    static QList<QStringList> split(const PstFolderItem& root, int jobs);

    struct Part
    {
        QString folderId;
        int slice = 0;
        int slices = 1;
    };
    // One part as split() writes it; false for a malformed one.
    static bool parsePart(const QString& text, Part* part);
    // The id split() gives `folder`.
    static QString folderId(const PstFolderItem& folder);
};
