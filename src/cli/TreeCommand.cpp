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
    return QJsonObject{
        {"displayName", folder.displayName()},
        {"folderType", folder.folderType()},
        {"nodeLevel", int(folder.nodeLevel())},
        {"itemCount", counts ? counts->value(&folder) : folder.itemCount()},
        {"children", children},
    };
}

int TreeCommand::run(const QStringList& args)
{
    if (args.size() != 1) {
        QTextStream(stderr) << "usage: lumaroo-cli tree FILE.pst\n";
        return 2;
    }
    // Only folders are kept; items are counted as they are read.
    QHash<const PstItem*, int> counts;
    std::shared_ptr<PstItem> root;
    PstParser::Visitor visitor;
    visitor.folderStarted = [&](const std::shared_ptr<PstFolderItem>& folder) {
        if (!root)
            root = folder->rootNode();
    };
    visitor.item = [&](const std::shared_ptr<PstItem>& item) { ++counts[item->parent().get()]; };
    if (!CliDocument::visit(args.first(), visitor) || !root)
        return 1;
    QTextStream(stdout) << QJsonDocument(folderToJson(static_cast<const PstFolderItem&>(*root), &counts))
                               .toJson(QJsonDocument::Indented);
    return 0;
}
