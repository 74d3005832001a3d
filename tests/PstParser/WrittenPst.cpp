// SPDX-License-Identifier: GPL-2.0-or-later
#include "WrittenPst.h"

#include "PstParser.h"
#include "PstWriter.h"

namespace WrittenPst {

PstDescription oneFolder(const QList<PstMessage>& messages, const QString& containerClass)
{
    PstDescription description;
    PstFolder folder;
    folder.name = QStringLiteral("Items");
    folder.containerClass = containerClass;
    folder.messages = messages;
    description.folders.append(folder);
    return description;
}

std::shared_ptr<PstFolderItem> open(const PstDescription& description, const QString& path, QString* error)
{
    QString writeError;
    if (!PstWriter::write(description, path, &writeError)) {
        *error = QStringLiteral("writing %1 failed: %2").arg(path, writeError);
        return nullptr;
    }
    PstParser parser;
    std::shared_ptr<PstFolderItem> root = parser.open(path) ? parser.parse(path) : nullptr;
    if (!root)
        *error = QStringLiteral("the parser cannot read the written file %1").arg(path);
    return root;
}

QList<std::shared_ptr<PstItem>> allItems(const PstFolderItem& folder)
{
    QList<std::shared_ptr<PstItem>> items = folder.items();
    for (int i = 0; i < folder.childCount(); ++i) {
        if (const auto child = std::dynamic_pointer_cast<PstFolderItem>(folder.child(i)))
            items += allItems(*child);
    }
    return items;
}

} // namespace WrittenPst
