#pragma once

#include "PstFolderItem.h"

#include <QString>

#include <functional>
#include <memory>

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
    // Drops this parser's reference to the file.
    void close();

    // Mails are listed from their list fields, read with our own property
    // reader; libpst parses them fully only when they are shown or written.
    // Off: every item is parsed by libpst at once (the reference).
    void setLightOpen(bool light) { m_lightOpen = light; }
    // Called from the parsing thread with the number of items read so far,
    // every few hundred items; returning false stops the walk, and parse()
    // then yields nothing.
    void setProgressHandler(std::function<bool(int itemsRead)> handler) { m_progress = std::move(handler); }

private:
    void fail();
    // libpst's record of node, or null when the node is damaged (logged) or
    // libpst cannot parse it.
    pst_item* parseSoundItem(pst_desc_tree* node);
    void processLevel(pst_desc_tree* node, const std::shared_ptr<PstFolderItem>& parentFolder);
    // The item of one node, null when it is damaged, unparsable or of a
    // class the program does not show.
    std::shared_ptr<PstItem> readItem(pst_desc_tree* node);
    void countItem();

    QString m_pstPath;
    std::shared_ptr<pst_file> m_pstFile;
    std::unique_ptr<ItemFactory> m_factory;
    bool m_lightOpen = true;
    std::function<bool(int)> m_progress;
    int m_itemsRead = 0;
    bool m_stopped = false;
};
