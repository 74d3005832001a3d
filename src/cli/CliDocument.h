// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstFolderItem.h"
#include "PstParser.h"

#include <QString>

#include <memory>

// Opens a PST file for a command through the same parser the window uses.
class CliDocument
{
public:
    // The document root, or empty after printing a one-line error to stderr.
    // Its folders keep their counts, not their items: read those with
    // PstParser::itemsOf(), so memory does not grow with the file.
    static std::shared_ptr<PstFolderItem> open(const QString& path);
    // The document root with its folders and its own items only, the
    // other folders' items neither read nor counted (PstParser::parseFolderTree).
    static std::shared_ptr<PstFolderItem> openFolderTree(const QString& path);
    // The document root with its folders and their counts, the items
    // counted from the folders' contents tables (PstParser::countFolderItems).
    static std::shared_ptr<PstFolderItem> count(const QString& path);
    // Reads the file folder by folder without keeping its items (see
    // PstParser::visit): the document root with its folders only, or empty
    // after printing the same errors as open().
    static std::shared_ptr<PstFolderItem> visit(const QString& path, const PstParser::Visitor& visitor);
};
