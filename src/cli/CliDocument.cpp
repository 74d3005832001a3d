// SPDX-License-Identifier: GPL-2.0-or-later
#include "CliDocument.h"

#include <QTextStream>

namespace {

// Opens the file and reads it `how`; errors go to stderr in one line.
std::shared_ptr<PstFolderItem> read(const QString& path,
                                    const std::function<std::shared_ptr<PstFolderItem>(PstParser&)>& how)
{
    QTextStream err(stderr);
    PstParser parser;
    if (!parser.open(path)) {
        err << "lumaroo-cli: " << path << ": " << parser.openError() << "\n";
        return nullptr;
    }
    auto root = how(parser);
    if (!root)
        err << "lumaroo-cli: " << path << ": the PST file's folder structure cannot be read\n";
    return root;
}

} // namespace

std::shared_ptr<PstFolderItem> CliDocument::open(const QString& path)
{
    return read(path, [&path](PstParser& parser) { return parser.parseReleased(path); });
}

std::shared_ptr<PstFolderItem> CliDocument::openFolderTree(const QString& path)
{
    return read(path, [&path](PstParser& parser) { return parser.parseFolderTree(path); });
}

std::shared_ptr<PstFolderItem> CliDocument::count(const QString& path)
{
    return read(path, [&path](PstParser& parser) { return parser.countFolderItems(path); });
}

std::shared_ptr<PstFolderItem> CliDocument::visit(const QString& path, const PstParser::Visitor& visitor)
{
    return read(path, [&](PstParser& parser) { return parser.visit(path, visitor); });
}
