// SPDX-License-Identifier: GPL-2.0-or-later
#include "TreeCommand.h"

#include "CliDocument.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

QJsonObject TreeCommand::folderToJson(const PstFolderItem& folder)
{
    QJsonArray children;
    for (int i = 0; i < folder.childCount(); ++i) {
        const auto child = std::dynamic_pointer_cast<PstFolderItem>(folder.child(i));
        if (child)
            children.append(folderToJson(*child));
    }
    QJsonObject json{
        {"displayName", folder.displayName()},
        {"folderType", folder.folderType()},
        {"nodeLevel", int(folder.nodeLevel())},
        {"itemCount", folder.itemCount()},
        {"children", children},
    };
    // Outlook's own folders, which the window hides unless asked.
    if (folder.isHidden())
        json.insert("hidden", true);
    return json;
}

int TreeCommand::run(const QStringList& args)
{
    if (args.size() != 1) {
        QTextStream(stderr) << "usage: lumaroo-cli tree FILE.pst\n";
        return 2;
    }
    // Only folders are kept; their items are counted, not read.
    const std::shared_ptr<PstFolderItem> root = CliDocument::count(args.first());
    if (!root)
        return 1;
    QTextStream(stdout) << QJsonDocument(folderToJson(*root)).toJson(QJsonDocument::Indented);
    return 0;
}
