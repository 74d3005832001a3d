// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstParser.h"

#include "FolderNameDecoder.h"
#include "InternalFolders.h"
#include "ItemFactory.h"
#include "LossCounter.h"
#include "MapiPropertyReader.h"
#include "NamedPropertyMask.h"
#include "NodeGuard.h"
#include "Log.h"
#include "PstFileCheck.h"
#include "PstFileDeleter.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>
#include <cstring>

PstParser::PstParser()
    : m_pstFile(static_cast<pst_file*>(std::calloc(1, sizeof(pst_file))), PstFileDeleter())
    , m_factory(std::make_unique<ItemFactory>())
{
}

PstParser::~PstParser() = default;

bool PstParser::open(const QString& path)
{
    pst_file* file = m_pstFile.get();
    if (!file)
        return false;
    m_openError = PstFileCheck::problem(path);
    if (!m_openError.isEmpty()) {
        Log::warn(QStringLiteral("Failed to open %1: %2").arg(path, m_openError));
        fail();
        return false;
    }
    if (pst_open(file, QFile::encodeName(path).constData(), nullptr) != 0) {
        m_openError = QCoreApplication::translate("PstParser", "libpst cannot open this PST file: its header is damaged or of an unknown kind.");
        Log::warn("Failed to open, pst_open error.");
        // libpst closes the stream itself when it rejects a file but leaves
        // the dangling pointer behind; closing it again would free it twice.
        file->fp = nullptr;
        fail();
        return false;
    }
    if (pst_load_index(file) != 0) {
        m_openError = QCoreApplication::translate("PstParser", "The index of this PST file is damaged.");
        Log::warn("Failed to open, pst_load_index error.");
        fail();
        return false;
    }
    m_losses = std::make_shared<ParseLosses>();
    // libpst copies the map's names by the lengths the file gives. Without
    // the map it still reads every item, only not their named properties.
    m_losses->withoutNamedProperties =
        !NodeGuard(file).isNameMapSound() || pst_load_extended_attributes(file) != 1;
    NamedPropertyMask::install(file);
    m_pstPath = path;
    Log::info("Open file completed");
    if (m_losses->withoutNamedProperties)
        Log::warn("The name-to-id map is damaged; items are read without named properties.");
    return true;
}

std::shared_ptr<PstFolderItem> PstParser::parse(const QString& path)
{
    if (!m_pstFile)
        return nullptr;
    Log::info("Start parsing PST document.");
    auto root = std::make_shared<PstFolderItem>();
    root->setNodeLevel(0);
    root->setDisplayName(QFileInfo(path).fileName());
    root->setPstFile(m_pstFile);
    root->setPstLock(std::make_shared<QRecursiveMutex>());
    root->setPstPath(m_pstPath);
    root->setLosses(m_losses ? m_losses : std::make_shared<ParseLosses>());

    pst_file* file = m_pstFile.get();
    if (!file->d_head) {
        Log::warn("Parsing failed, invalid PST header.");
        fail();
        return nullptr;
    }
    pst_item* first = parseSoundItem(file->d_head);
    pst_desc_tree* top = pst_getTopOfFolders(file, first);
    if (first)
        pst_freeItem(first);
    if (!top) {
        top = topFromStoreEntry(file);
        if (top)
            Log::warn("The message store is damaged; the folders are read from its entry of their top.");
    }
    if (!top) {
        // A damaged or unreadable message store: libpst then looks for the
        // folders' usual top node itself.
        pst_item_message_store noEntries{};
        pst_item store{};
        store.message_store = &noEntries;
        top = pst_getTopOfFolders(file, &store);
        if (top)
            Log::warn("The message store is damaged; the folders are read from their usual top.");
    }
    if (!top) {
        Log::warn("Parsing failed, top of folders not found.");
        fail();
        return nullptr;
    }
    root->setFileId(top->parent_d_id);
    m_folderNames = std::make_unique<FolderNameDecoder>(file);
    for (pst_desc_tree* node = top; node; node = node->next)
        processLevel(node, root);
    // A file whose every folder is unreadable and whose map was damaged too
    // is not read at all; an empty tree would hide that.
    if (root->childCount() == 0 && root->itemCount() == 0 && m_losses && m_losses->withoutNamedProperties) {
        Log::warn("Parsing failed, no folder can be read.");
        fail();
        return nullptr;
    }
    InternalFolders::mark(*root, file, top->d_id);
    Log::info("Parsed Pst document completed.");
    return root;
}

void PstParser::close()
{
    m_pstFile.reset();
}

void PstParser::fail()
{
    m_pstFile.reset();
}

// libpst reads a damaged node's values through stray pointers, so only
// nodes the guard accepts reach it; the others are skipped like the ones
// libpst cannot parse.
// The store's record failed the node check, but its entry of the folders'
// top may still be whole: read through the bounds-checked reader, it names
// the top where libpst's guess of the usual node may be wrong or damaged.
pst_desc_tree* PstParser::topFromStoreEntry(pst_file* file)
{
    constexpr quint16 kTopOfFoldersEntryId = 0x35E0;
    const MapiPropertyReader store(file, file->d_head);
    const std::optional<QByteArray> entry = store.isValid() ? store.binary(kTopOfFoldersEntryId) : std::nullopt;
    pst_entryid id{};
    if (!entry || entry->size() < qsizetype(sizeof id))
        return nullptr;
    // Flags, the store's provider id and the node id, as libpst lays them out.
    std::memcpy(&id, entry->constData(), sizeof id);
    pst_item_message_store entries{};
    entries.top_of_personal_folder = &id;
    pst_item record{};
    record.message_store = &entries;
    return pst_getTopOfFolders(file, &record);
}

pst_item* PstParser::parseSoundItem(pst_desc_tree* node)
{
    pst_file* file = m_pstFile.get();
    if (!NodeGuard(file).isSound(node)) {
        Log::warn(QStringLiteral("Skipped damaged item at d_id=%1.").arg(node->d_id));
        return nullptr;
    }
    return pst_parse_item(file, node, nullptr);
}

void PstParser::processLevel(pst_desc_tree* node, const std::shared_ptr<PstFolderItem>& parentFolder)
{
    pst_file* file = m_pstFile.get();
    pst_item* record = parseSoundItem(node);
    if (!record) {
        LossCounter::countUnread(*m_losses, parentFolder, node);
        if (LossCounter::isFolderNode(node) && node->child)
            keepDamagedFolderContents(node, parentFolder);
        return;
    }
    const std::shared_ptr<PstItem> item = m_factory->createItem(file, node, record);
    if (!item) {
        LossCounter::countUnshown(*m_losses, parentFolder, node, record);
        pst_freeItem(record);
        return;
    }
    item->setNodeLevel(parentFolder->nodeLevel() + 1);
    item->setPstTree(node);
    if (item->type() != Folder) {
        parentFolder->addItem(item);
    } else {
        parentFolder->addChildNode(item);
        m_folderNames->apply(*item, record);
        auto folder = std::static_pointer_cast<PstFolderItem>(item);
        if (record->folder)
            LossCounter::countMissing(*m_losses, folder, node, record->folder->item_count);
        if (node->child && node->no_child)
            for (pst_desc_tree* c = node->child; c; c = c->next)
                processLevel(c, folder);
    }
    pst_freeItem(record);
}

// A folder whose own record is damaged still holds readable items: they are
// shown in a folder named after its node instead of being lost with it.
void PstParser::keepDamagedFolderContents(pst_desc_tree* node, const std::shared_ptr<PstFolderItem>& parentFolder)
{
    auto folder = std::make_shared<PstFolderItem>();
    folder->setDisplayName(QCoreApplication::translate("PstParser", "Damaged folder %1").arg(node->d_id));
    folder->setFileId(node->d_id);
    folder->setNodeLevel(parentFolder->nodeLevel() + 1);
    folder->setPstTree(node);
    parentFolder->addChildNode(folder);
    for (pst_desc_tree* child = node->child; child; child = child->next)
        processLevel(child, folder);
}
