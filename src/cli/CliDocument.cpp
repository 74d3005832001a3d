// SPDX-License-Identifier: GPL-2.0-or-later
#include "CliDocument.h"

#include "PstParser.h"

#include <QTextStream>

std::shared_ptr<PstFolderItem> CliDocument::open(const QString& path)
{
    QTextStream err(stderr);
    PstParser parser;
    if (!parser.open(path)) {
        err << "lumaroo-cli: " << path << ": " << parser.openError() << "\n";
        return nullptr;
    }
    auto root = parser.parseFolders(path);
    std::shared_ptr<PstFolderItem> folder;
    QList<std::shared_ptr<PstItem>> items;
    while (root && parser.readNextFolderItems(&folder, &items)) {
        folder->addReadItems(items);
        if (folder != root)
            folder->releaseItems();
    }
    if (!root || !parser.finishFolderItems(root)) {
        err << "lumaroo-cli: " << path << ": the PST file's folder structure cannot be read\n";
        return nullptr;
    }
    return root;
}

std::shared_ptr<PstFolderItem> CliDocument::count(const QString& path)
{
    QTextStream err(stderr);
    PstParser parser;
    if (!parser.open(path)) {
        err << "lumaroo-cli: " << path << ": " << parser.openError() << "\n";
        return nullptr;
    }
    auto root = parser.countFolderItems(path);
    if (!root)
        err << "lumaroo-cli: " << path << ": the PST file's folder structure cannot be read\n";
    return root;
}

std::shared_ptr<PstFolderItem> CliDocument::visit(const QString& path, const PstParser::Visitor& visitor)
{
    QTextStream err(stderr);
    PstParser parser;
    if (!parser.open(path)) {
        err << "lumaroo-cli: " << path << ": " << parser.openError() << "\n";
        return nullptr;
    }
    auto root = parser.visit(path, visitor);
    if (!root)
        err << "lumaroo-cli: " << path << ": the PST file's folder structure cannot be read\n";
    return root;
}
