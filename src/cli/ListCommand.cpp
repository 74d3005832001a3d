// SPDX-License-Identifier: GPL-2.0-or-later
#include "ListCommand.h"

#include "CliDocument.h"
#include "ItemJson.h"
#include "LossReport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

int ListCommand::run(const QStringList& args)
{
    if (args.size() != 1) {
        QTextStream(stderr) << "usage: lumaroo-cli list FILE.pst\n";
        return 2;
    }
    const auto root = CliDocument::open(args.first());
    if (!root)
        return 1;
    QJsonArray folders;
    ItemJson::forEachFolder(*root, [&](const PstFolderItem& folder, const QString& path) {
        QJsonArray items;
        const auto folderItems = folder.items();
        for (int i = 0; i < folderItems.size(); ++i)
            items.append(ItemJson::listEntry(*folderItems[i], path + QStringLiteral("/#%1").arg(i)));
        folders.append(QJsonObject{
            {"path", path},
            {"displayName", folder.displayName()},
            {"folderType", folder.folderType()},
            {"items", items},
        });
    });
    QJsonObject document{{"file", root->displayName()}, {"folders", folders}};
    const QJsonObject losses = LossReport::toJson(*root);
    for (auto it = losses.begin(); it != losses.end(); ++it)
        document.insert(it.key(), it.value());
    QTextStream(stdout) << QJsonDocument(document).toJson(QJsonDocument::Indented);
    QTextStream(stderr) << LossReport::summary(*root);
    return 0;
}
