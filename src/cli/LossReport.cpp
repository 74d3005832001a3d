// SPDX-License-Identifier: GPL-2.0-or-later
#include "LossReport.h"

#include "ItemJson.h"

#include <QHash>
#include <QJsonArray>

namespace {

using FolderPaths = QHash<const PstFolderItem*, QString>;

FolderPaths folderPaths(const PstFolderItem& root)
{
    FolderPaths paths;
    paths.insert(&root, QString());
    ItemJson::forEachFolder(root, [&paths](const PstFolderItem& folder, const QString& path) {
        paths.insert(&folder, path);
    });
    return paths;
}

QString pathOf(const FolderPaths& paths, const std::weak_ptr<PstFolderItem>& folder)
{
    const auto locked = folder.lock();
    return locked ? paths.value(locked.get()) : QString();
}

QJsonArray itemsToJson(const QList<ParseLosses::Item>& items, const FolderPaths& paths, bool withClass)
{
    QJsonArray result;
    for (const ParseLosses::Item& item : items) {
        QJsonObject entry{{"folder", pathOf(paths, item.folder)}, {"id", QString::number(item.nodeId)}};
        if (withClass)
            entry.insert("messageClass", item.messageClass);
        result.append(entry);
    }
    return result;
}

} // namespace

QJsonObject LossReport::toJson(const PstFolderItem& root)
{
    const auto losses = root.losses();
    if (!losses)
        return {};
    const FolderPaths paths = folderPaths(root);
    QJsonArray missing;
    for (const ParseLosses::Missing& each : losses->missing)
        missing.append(QJsonObject{{"folder", pathOf(paths, each.folder)}, {"count", each.count}});
    return {
        {"damaged", itemsToJson(losses->damaged, paths, false)},
        {"unshown", itemsToJson(losses->unshown, paths, true)},
        {"internal", itemsToJson(losses->internal, paths, true)},
        {"missing", missing},
        {"withoutNamedProperties", losses->withoutNamedProperties},
    };
}

QString LossReport::summary(const PstFolderItem& root)
{
    const auto losses = root.losses();
    if (!losses)
        return QString();
    QString text;
    if (!losses->damaged.isEmpty())
        text += QStringLiteral("%1 damaged item(s) could not be read\n").arg(losses->damaged.size());
    if (!losses->unshown.isEmpty())
        text += QStringLiteral("%1 item(s) of unknown message classes are not shown\n").arg(losses->unshown.size());
    if (losses->missingCount() > 0)
        text += QStringLiteral("%1 item(s) counted by their folders are missing from the file's index\n")
                    .arg(losses->missingCount());
    if (losses->withoutNamedProperties)
        text += QStringLiteral("the name-to-id map is damaged: items were read without named properties\n");
    return text;
}

qsizetype LossReport::lostCount(const PstFolderItem& root)
{
    const auto losses = root.losses();
    return losses ? losses->count() : 0;
}
