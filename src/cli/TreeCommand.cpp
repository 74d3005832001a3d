// SPDX-License-Identifier: GPL-2.0-or-later
#include "TreeCommand.h"

#include "CliDocument.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

QJsonObject TreeCommand::folderToJson(const PstFolderItem& folder, const QHash<const PstItem*, int>* counts)
{
    QJsonArray children;
    for (int i = 0; i < folder.childCount(); ++i) {
        const auto child = std::dynamic_pointer_cast<PstFolderItem>(folder.child(i));
        if (child)
            children.append(folderToJson(*child, counts));
    }
    QJsonObject json{
        {"displayName", folder.displayName()},
        {"folderType", folder.folderType()},
        {"nodeLevel", int(folder.nodeLevel())},
        {"itemCount", counts ? counts->value(&folder) : folder.itemCount()},
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
    // Only folders are kept; items are counted as they are read.
    QHash<const PstItem*, int> counts;
    PstParser::Visitor visitor;
    visitor.item = [&](const std::shared_ptr<PstItem>& item) { ++counts[item->parent().get()]; };
    const std::shared_ptr<PstFolderItem> root = CliDocument::visit(args.first(), visitor);
    if (!root)
        return 1;
    QTextStream(stdout) << QJsonDocument(folderToJson(*root, &counts)).toJson(QJsonDocument::Indented);
    return 0;
}
