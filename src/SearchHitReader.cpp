// SPDX-License-Identifier: GPL-2.0-or-later
#include "SearchHitReader.h"

#include "PstParser.h"

#include <QtConcurrent>

namespace {

void collect(const std::shared_ptr<PstFolderItem>& folder, const QString& folderPath, const QString& wanted,
             QList<std::shared_ptr<PstFolderItem>>* found)
{
    for (int i = 0; i < folder->childCount(); ++i) {
        const auto child = std::dynamic_pointer_cast<PstFolderItem>(folder->child(i));
        if (!child)
            continue;
        const QString path = folderPath.isEmpty() ? child->displayName() : folderPath + QLatin1Char('/') + child->displayName();
        if (path == wanted)
            found->append(child);
        // A name with "/" in it makes paths ambiguous, so every prefix is followed.
        if (wanted.startsWith(path + QLatin1Char('/')))
            collect(child, path, wanted, found);
    }
}

} // namespace

QList<std::shared_ptr<PstFolderItem>> SearchHitReader::foldersAt(const std::shared_ptr<PstFolderItem>& root,
                                                                 const QString& path)
{
    QList<std::shared_ptr<PstFolderItem>> found;
    if (!root)
        return found;
    if (path.isEmpty())
        found.append(root);
    else
        collect(root, QString(), path, &found);
    return found;
}

std::shared_ptr<PstItem> SearchHitReader::readNow(const std::shared_ptr<PstFolderItem>& root, const SearchHit& hit)
{
    for (const std::shared_ptr<PstFolderItem>& folder : foldersAt(root, hit.folderPath)) {
        if (std::shared_ptr<PstItem> item = PstParser::itemOf(*folder, hit.nodeId))
            return item;
    }
    return nullptr;
}

QFuture<std::shared_ptr<PstItem>> SearchHitReader::read(const std::shared_ptr<PstFolderItem>& root, const SearchHit& hit)
{
    return QtConcurrent::run([root, hit] { return readNow(root, hit); });
}
