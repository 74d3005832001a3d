// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstFolderItem.h"
#include "SearchHit.h"

#include <QFuture>

#include <memory>

// Reads the item a search hit stands for from its open document, on a
// worker thread: the hit's folder is found by its path, the item by its
// descriptor id among that folder's nodes, so only that one item is read.
class SearchHitReader
{
public:
    // Empty when the document holds no such item (any more).
    static QFuture<std::shared_ptr<PstItem>> read(const std::shared_ptr<PstFolderItem>& root, const SearchHit& hit);
    // Reads on the calling thread.
    static std::shared_ptr<PstItem> readNow(const std::shared_ptr<PstFolderItem>& root, const SearchHit& hit);
    // The folders of `root` whose path (names joined with "/", as the
    // command line lists them; "" for the document's own items) is `path`.
    static QList<std::shared_ptr<PstFolderItem>> foldersAt(const std::shared_ptr<PstFolderItem>& root,
                                                          const QString& path);
};
