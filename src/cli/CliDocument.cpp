#include "CliDocument.h"

#include "PstParser.h"

#include <QFileInfo>
#include <QTextStream>

std::shared_ptr<PstFolderItem> CliDocument::open(const QString& path)
{
    QTextStream err(stderr);
    if (!QFileInfo(path).isFile()) {
        err << "lumaroo-cli: " << path << ": no such file\n";
        return nullptr;
    }
    PstParser parser;
    if (!parser.open(path)) {
        err << "lumaroo-cli: " << path << ": not a PST file libpst can open\n";
        return nullptr;
    }
    auto root = parser.parse(path);
    if (!root)
        err << "lumaroo-cli: " << path << ": the PST file's folder structure cannot be read\n";
    return root;
}

bool CliDocument::visit(const QString& path, const PstParser::Visitor& visitor)
{
    QTextStream err(stderr);
    if (!QFileInfo(path).isFile()) {
        err << "lumaroo-cli: " << path << ": no such file\n";
        return false;
    }
    PstParser parser;
    if (!parser.open(path)) {
        err << "lumaroo-cli: " << path << ": not a PST file libpst can open\n";
        return false;
    }
    if (!parser.visit(path, visitor)) {
        err << "lumaroo-cli: " << path << ": the PST file's folder structure cannot be read\n";
        return false;
    }
    return true;
}
