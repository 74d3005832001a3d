// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstFolderItem.h"

#include <QString>

#include <memory>

class FolderNameDecoder;
class ItemFactory;

// Turns a PST file into a tree of items below a document root. Used once:
// construct, open(), parse(), discard; the root keeps the file open.
class PstParser
{
public:
    PstParser();
    ~PstParser();

    // Opens and indexes the file; false (with a log line) on failure.
    bool open(const QString& path);
    // The document root named after `path`'s file name; empty on failure.
    std::shared_ptr<PstFolderItem> parse(const QString& path);
    // Why the last open() failed, for the user; "" after a success.
    QString openError() const { return m_openError; }
    // Drops this parser's reference to the file.
    void close();

private:
    void fail();
    // libpst's record of node, or null when the node is damaged (logged) or
    // libpst cannot parse it.
    pst_item* parseSoundItem(pst_desc_tree* node);
    static pst_desc_tree* topFromStoreEntry(pst_file* file);
    void processLevel(pst_desc_tree* node, const std::shared_ptr<PstFolderItem>& parentFolder);
    void keepDamagedFolderContents(pst_desc_tree* node, const std::shared_ptr<PstFolderItem>& parentFolder);

    QString m_pstPath;
    QString m_openError;
    std::shared_ptr<pst_file> m_pstFile;
    std::unique_ptr<ItemFactory> m_factory;
    std::unique_ptr<FolderNameDecoder> m_folderNames;
    std::shared_ptr<ParseLosses> m_losses;
};
