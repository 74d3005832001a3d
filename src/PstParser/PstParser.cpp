// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstParser.h"

#include "FolderNameDecoder.h"
#include "InternalFolders.h"
#include "ItemFactory.h"
#include "LightItemReader.h"
#include "LossCounter.h"
#include "MapiPropertyReader.h"
#include "MessageClass.h"
#include "NamedPropertyMask.h"
#include "NodeGuard.h"
#include "PinnedFile.h"
#include "TableContext.h"
#include "Log.h"
#include "PstFileCheck.h"
#include "PstFileDeleter.h"
#include "PstMailItem.h"
#include "ReparsedRecord.h"
#include "StoreIdentity.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>

#include <cstdlib>
#include <limits>
#include <cstring>

PstParser::PstParser()
    : m_pstFile(static_cast<pst_file*>(std::calloc(1, sizeof(pst_file))), PstFileDeleter())
    , m_factory(std::make_unique<ItemFactory>())
{
}

PstParser::~PstParser() = default;

bool PstParser::open(const QString& path)
{
    const QMutexLocker locker(libpstLock().get());
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
    // Another program may write to the file while it is read: libpst reads
    // it through a stream that can keep an item's bytes while it is checked
    // and parsed (see PinnedFile).
    if (!PinnedFile::install(file))
        Log::warn("The file's items are read without pinning their bytes.");
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
    StoreIdentity::read(file, path);
    m_pstPath = path;
    Log::info("Open file completed");
    if (m_losses->withoutNamedProperties)
        Log::warn("The name-to-id map is damaged; items are read without named properties.");
    return true;
}

std::shared_ptr<PstFolderItem> PstParser::parse(const QString& path)
{
    pst_desc_tree* top = nullptr;
    std::shared_ptr<PstFolderItem> root = startParsing(path, &top);
    if (!root)
        return nullptr;
    for (pst_desc_tree* node = top; node && !m_stopped; node = node->next)
        processLevel(node, root);
    return finishParsing(root);
}

std::shared_ptr<PstFolderItem> PstParser::visit(const QString& path, const Visitor& visitor)
{
    pst_desc_tree* top = nullptr;
    std::shared_ptr<PstFolderItem> root = startParsing(path, &top);
    if (!root)
        return nullptr;
    visitLevel(top, root, visitor);
    return finishParsing(root);
}

std::shared_ptr<PstFolderItem> PstParser::parseFolders(const QString& path)
{
    pst_desc_tree* top = nullptr;
    std::shared_ptr<PstFolderItem> root = startParsing(path, &top);
    if (!root)
        return nullptr;
    root->setItemsPending(true);
    m_pendingFolders = {{root, top}};
    readFolderLevel(top, root);
    if (endIfCancelled())
        return nullptr;
    const QMutexLocker locker(libpstLock().get());
    InternalFolders::mark(*root, m_pstFile.get(), m_topOfFoldersId);
    Log::info("Parsed the folders of the PST document.");
    return root;
}

// Messages are never folders (see ItemFactory::isMessageNode), so every
// other node is read here; the folders are noted in the order visitLevel()
// hands them over, a folder before its sub-folders.
void PstParser::readFolderLevel(pst_desc_tree* first, const std::shared_ptr<PstFolderItem>& folder)
{
    for (pst_desc_tree* node = first; node && !m_stopped; node = node->next) {
        if (ItemFactory::isMessageNode(node))
            continue;
        bool damagedFolder = false;
        const std::shared_ptr<PstItem> item = readCountedItem(node, folder, &damagedFolder);
        if (m_stopped)
            return;
        if (!item)
            continue;
        if (item->type() != Folder) {
            m_itemsReadWithFolders.insert(node, item);
            continue;
        }
        auto subFolder = std::static_pointer_cast<PstFolderItem>(item);
        subFolder->setItemsPending(true);
        folder->addChildNode(subFolder);
        const bool hasItems = node->child && (node->no_child || damagedFolder);
        m_pendingFolders.append({subFolder, hasItems ? node->child : nullptr});
        if (hasItems)
            readFolderLevel(node->child, subFolder);
    }
}

bool PstParser::readNextFolderItems(std::shared_ptr<PstFolderItem>* folder, QList<std::shared_ptr<PstItem>>* items,
                                    PstFolderItem::ItemCounts* counts, PstFolderItem::ItemSizes* sizes)
{
    items->clear();
    if (counts)
        counts->clear();
    if (sizes)
        *sizes = {};
    if (m_stopped || m_nextPendingFolder >= m_pendingFolders.size())
        return false;
    const PendingFolder pending = m_pendingFolders.at(m_nextPendingFolder++);
    *folder = pending.folder;
    // The folder's level and name are read, never written, meanwhile.
    for (pst_desc_tree* node = pending.firstChild; node && !m_stopped; node = node->next) {
        bool damagedFolder = false;
        const std::shared_ptr<PstItem> item = ItemFactory::isMessageNode(node)
            ? readCountedItem(node, pending.folder, &damagedFolder)
            : m_itemsReadWithFolders.take(node);
        if (sizes && !LossCounter::isFolderNode(node))
            addItemSize(item, sizes);
        if (!item)
            continue;
        if (counts)
            ++(*counts)[item->type()];
        if (!counts || pending.folder->nodeLevel() == 0)
            items->append(item);
    }
    if (pending.folder->nodeLevel() == 0)
        m_rootItemsVisited += int(items->size());
    return !m_stopped;
}

bool PstParser::finishFolderItems(const std::shared_ptr<PstFolderItem>& root)
{
    if (endIfCancelled())
        return false;
    if (!isReadable(root))
        return false;
    Log::info("Parsed Pst document completed.");
    return true;
}

void PstParser::addItemSize(const std::shared_ptr<PstItem>& item, PstFolderItem::ItemSizes* sizes)
{
    if (item && item->type() != Folder)
        sizes->bytes += qMax<qint64>(0, item->property(QStringLiteral("messageSize")).toLongLong());
    if (++sizes->nodes % PstFolderItem::ItemSizes::kNodesPerSizeMark == 0)
        sizes->marks.append(sizes->bytes);
}

QList<std::shared_ptr<PstItem>> PstParser::itemsOf(const PstFolderItem& folder)
{
    if (folder.holdsItems())
        return folder.items();
    return readItemsOf(folder, 0, std::numeric_limits<int>::max());
}

bool PstParser::readItemsOf(const PstFolderItem& folder, const std::function<bool(const std::shared_ptr<PstItem>&)>& take)
{
    if (!folder.holdsItems())
        return readNodeItems(folder, 0, std::numeric_limits<int>::max(), take);
    const QList<std::shared_ptr<PstItem>> items = folder.items();
    for (const std::shared_ptr<PstItem>& item : items) {
        if (!take(item))
            return false;
    }
    return true;
}

int PstParser::itemNodeCount(const PstFolderItem& folder)
{
    const QMutexLocker locker(libpstLock().get());
    const pst_desc_tree* node = folder.pstTree();
    int count = 0;
    for (const pst_desc_tree* child = node ? node->child : nullptr; child; child = child->next)
        count += LossCounter::isFolderNode(child) ? 0 : 1;
    return count;
}

QList<std::shared_ptr<PstItem>> PstParser::readItemsOf(const PstFolderItem& folder, int first, int end)
{
    QList<std::shared_ptr<PstItem>> items;
    readNodeItems(folder, first, end, [&items](const std::shared_ptr<PstItem>& item) {
        items.append(item);
        return true;
    });
    return items;
}

bool PstParser::readNodeItems(const PstFolderItem& folder, int first, int end,
                              const std::function<bool(const std::shared_ptr<PstItem>&)>& take)
{
    return readItemRecordsOf(folder, first, end, [&take](const std::shared_ptr<PstItem>& item, pst_item* record) {
        // Only asked for when there is a taker of records.
        Q_ASSERT(!record);
        return take(item);
    }, false);
}

bool PstParser::readItemRecordsOf(const PstFolderItem& folder, int first, int end, const RecordTaker& take)
{
    return readItemRecordsOf(folder, first, end, take, true);
}

bool PstParser::readItemRecordsOf(const PstFolderItem& folder, int first, int end, const RecordTaker& take,
                                  bool withRecords)
{
    // Items link to their folder through shared ownership.
    const auto shared = std::const_pointer_cast<PstFolderItem>(
        std::static_pointer_cast<const PstFolderItem>(folder.shared_from_this()));
    PstParser parser;
    parser.m_pstFile = shared->pstFile();
    // The folder's losses were counted when the document was opened.
    parser.m_losses = std::make_shared<ParseLosses>();
    pst_desc_tree* node = folder.pstTree();
    if (!parser.m_pstFile || !node)
        return true;
    // The nodes readNextFolderItems() took the folder's items from.
    int index = -1;
    for (pst_desc_tree* child = node->child; child; child = child->next) {
        if (LossCounter::isFolderNode(child) || ++index < first)
            continue;
        if (index >= end)
            break;
        auto [item, record] = withRecords ? parser.readMailRecord(child) : std::pair<std::shared_ptr<PstItem>, pst_item*>();
        if (!item) {
            bool damagedFolder = false;
            item = parser.readCountedItem(child, shared, &damagedFolder);
        }
        if (!item || item->type() == Folder)
            continue;
        item->setNodeLevel(shared->nodeLevel() + 1);
        item->setPstTree(child);
        item->setParent(shared);
        if (!take(item, record))
            return false;
    }
    return true;
}

std::pair<std::shared_ptr<PstItem>, pst_item*> PstParser::readMailRecord(pst_desc_tree* node)
{
    pst_file* file = m_pstFile.get();
    if (!ItemFactory::isMessageNode(node))
        return {};
    const QMutexLocker locker(libpstLock().get());
    // libpst parses the bytes the guard checked, whatever another program
    // writes to the file meanwhile.
    const PinnedFile::Pin pin(file);
    // Anything but a sound mail libpst parses whole is read the usual way,
    // which counts and logs what it finds.
    if (!NodeGuard(file).isSound(node))
        return {};
    pst_item* record = pst_parse_item(file, node, nullptr);
    if (!record || !record->email || MessageClass::kindOf(record->ascii_type) != MessageClass::Kind::Mail) {
        if (record)
            pst_freeItem(record);
        return {};
    }
    ReparsedRecord::prepare(file, node, record);
    auto mail = std::make_shared<PstMailItem>();
    mail->setFileId(node->d_id);
    return {mail, record};
}

std::shared_ptr<PstItem> PstParser::itemOf(const PstFolderItem& folder, quint64 nodeId)
{
    if (folder.holdsItems()) {
        for (const std::shared_ptr<PstItem>& item : folder.items())
            if (item && item->pstTree() && item->pstTree()->d_id == nodeId)
                return item;
        return nullptr;
    }
    const auto shared = std::const_pointer_cast<PstFolderItem>(
        std::static_pointer_cast<const PstFolderItem>(folder.shared_from_this()));
    PstParser parser;
    parser.m_pstFile = shared->pstFile();
    parser.m_losses = std::make_shared<ParseLosses>();
    pst_desc_tree* node = folder.pstTree();
    if (!parser.m_pstFile || !node)
        return nullptr;
    for (pst_desc_tree* child = node->child; child; child = child->next) {
        if (child->d_id != nodeId || LossCounter::isFolderNode(child))
            continue;
        bool damagedFolder = false;
        const std::shared_ptr<PstItem> item = parser.readCountedItem(child, shared, &damagedFolder);
        if (!item || item->type() == Folder)
            return nullptr;
        item->setParent(shared);
        return item;
    }
    return nullptr;
}

std::shared_ptr<PstFolderItem> PstParser::parseReleased(const QString& path)
{
    const std::shared_ptr<PstFolderItem> root = parseFolders(path);
    std::shared_ptr<PstFolderItem> folder;
    QList<std::shared_ptr<PstItem>> items;
    PstFolderItem::ItemCounts counts;
    PstFolderItem::ItemSizes sizes;
    while (root && readNextFolderItems(&folder, &items, &counts, &sizes)) {
        folder->setReadItems(counts, items);
        folder->setItemSizes(sizes);
    }
    return root && finishFolderItems(root) ? root : nullptr;
}

std::shared_ptr<PstFolderItem> PstParser::parseFolderTree(const QString& path)
{
    const std::shared_ptr<PstFolderItem> root = parseFolders(path);
    std::shared_ptr<PstFolderItem> folder;
    QList<std::shared_ptr<PstItem>> items;
    PstFolderItem::ItemCounts counts;
    // The document root's own items come first.
    if (root && readNextFolderItems(&folder, &items, &counts))
        folder->setReadItems(counts, items);
    return root && finishFolderItems(root) ? root : nullptr;
}

std::shared_ptr<PstFolderItem> PstParser::countFolderItems(const QString& path)
{
    const std::shared_ptr<PstFolderItem> root = parseFolders(path);
    if (!root)
        return nullptr;
    const QHash<quint32, pst_desc_tree*> tables = contentsTables();
    std::shared_ptr<PstFolderItem> folder;
    QList<std::shared_ptr<PstItem>> items;
    PstFolderItem::ItemCounts counts;
    int fromTables = 0, read = 0;
    while (m_nextPendingFolder < m_pendingFolders.size() && !m_stopped) {
        const PendingFolder& pending = m_pendingFolders.at(m_nextPendingFolder);
        if (const auto fromTable = countFromTable(pending, tables)) {
            pending.folder->setReadItems(*fromTable, {});
            ++m_nextPendingFolder;
            ++fromTables;
        } else if (readNextFolderItems(&folder, &items, &counts)) {
            folder->setReadItems(counts, items);
            ++read;
        }
    }
    Log::info(QStringLiteral("Counted the items of %1 folders from their contents tables and read those of %2.")
                  .arg(fromTables)
                  .arg(read));
    return finishFolderItems(root) ? root : nullptr;
}

QHash<quint32, pst_desc_tree*> PstParser::contentsTables() const
{
    constexpr quint64 kNodeTypeMask = 0x1F;
    constexpr quint64 kContentsTable = 0x0E;
    QHash<quint32, pst_desc_tree*> tables;
    const QMutexLocker locker(libpstLock().get());
    // Tables are nodes of their own, at the top of libpst's node tree.
    for (pst_desc_tree* node = m_pstFile ? m_pstFile->d_head : nullptr; node; node = node->next) {
        if ((node->d_id & kNodeTypeMask) == kContentsTable)
            tables.insert(quint32(node->d_id), node);
    }
    return tables;
}

std::optional<PstFolderItem::ItemCounts> PstParser::countFromTable(const PendingFolder& pending,
                                                                  const QHash<quint32, pst_desc_tree*>& tables)
{
    constexpr quint32 kContentsTableOf = 0x0E;
    constexpr quint16 kMessageClass = 0x001A;
    const pst_desc_tree* folderNode = pending.folder->pstTree();
    if (pending.folder->nodeLevel() == 0 || !folderNode)
        return std::nullopt;
    PstFolderItem::ItemCounts counts;
    if (!pending.firstChild)
        return counts;
    const pst_desc_tree* tableNode = tables.value((quint32(folderNode->d_id) & ~0x1Fu) | kContentsTableOf);
    if (!tableNode || !tableNode->desc)
        return std::nullopt;
    QMutexLocker locker(libpstLock().get());
    const NodeDataReader reader(m_pstFile.get());
    const auto subnodes = tableNode->assoc_tree ? reader.subnodes(tableNode->assoc_tree->i_id)
                                                : QHash<quint32, NodeDataReader::Subnode>();
    TableContext table;
    const bool parsed = table.parse(reader.dataBlocks(tableNode->desc->i_id), [&](quint32 id) {
        const auto subnode = subnodes.constFind(id);
        return subnode == subnodes.constEnd() ? QList<QByteArray>() : reader.dataBlocks(subnode->dataBlockId);
    }, PropertyContext::heapIdsOf(reader.hasFourKPages()));
    if (!parsed)
        return std::nullopt;
    QHash<quint32, int> rowOf;
    for (int row = 0; row < table.rowCount(); ++row)
        rowOf.insert(table.rowId(row), row);
    // Nothing is counted before every message is found in the table.
    QList<std::pair<pst_desc_tree*, QString>> unshown;
    for (pst_desc_tree* node = pending.firstChild; node; node = node->next) {
        if (!ItemFactory::isMessageNode(node))
            continue;
        const auto row = rowOf.constFind(quint32(node->d_id));
        if (row == rowOf.constEnd())
            return std::nullopt;
        const QString messageClass = table.string(*row, kMessageClass).value_or(QString());
        const MessageClass::Kind kind = MessageClass::kindOf(messageClass);
        if (kind == MessageClass::Kind::Unknown)
            unshown.append({node, messageClass});
        else
            ++counts[MessageClass::itemType(kind)];
    }
    const bool internal = !unshown.isEmpty() && inInternalFolder(pending.folder);
    locker.unlock();
    for (const auto& [node, messageClass] : std::as_const(unshown))
        LossCounter::countUnshown(*m_losses, pending.folder, node, messageClass.toLatin1().constData(), internal);
    // The folder's other items were read with the folders.
    for (pst_desc_tree* node = pending.firstChild; node; node = node->next) {
        if (const std::shared_ptr<PstItem> item = m_itemsReadWithFolders.take(node))
            ++counts[item->type()];
    }
    return counts;
}

std::shared_ptr<PstFolderItem> PstParser::startParsing(const QString& path, pst_desc_tree** top)
{
    if (!m_pstFile)
        return nullptr;
    Log::info("Start parsing PST document.");
    auto root = std::make_shared<PstFolderItem>();
    root->setNodeLevel(0);
    root->setDisplayName(QFileInfo(path).fileName());
    root->setPstFile(m_pstFile);
    root->setPstLock(libpstLock());
    root->setPstPath(m_pstPath);
    if (!m_losses)
        m_losses = std::make_shared<ParseLosses>();
    root->setLosses(m_losses);

    pst_file* file = m_pstFile.get();
    const QMutexLocker locker(libpstLock().get());
    if (!file->d_head) {
        Log::warn("Parsing failed, invalid PST header.");
        fail();
        return nullptr;
    }
    pst_item* first = parseSoundItem(file->d_head);
    *top = pst_getTopOfFolders(file, first);
    if (first)
        pst_freeItem(first);
    if (!*top) {
        *top = topFromStoreEntry(file);
        if (*top)
            Log::warn("The message store is damaged; the folders are read from its entry of their top.");
    }
    if (!*top) {
        // A damaged or unreadable message store: libpst then looks for the
        // folders' usual top node itself.
        pst_item_message_store noEntries{};
        pst_item store{};
        store.message_store = &noEntries;
        *top = pst_getTopOfFolders(file, &store);
        if (*top)
            Log::warn("The message store is damaged; the folders are read from their usual top.");
    }
    if (!*top) {
        Log::warn("Parsing failed, top of folders not found.");
        fail();
        return nullptr;
    }
    root->setFileId((*top)->parent_d_id);
    m_topOfFoldersId = (*top)->d_id;
    m_folderNames = std::make_unique<FolderNameDecoder>(file);
    return root;
}

std::shared_ptr<PstFolderItem> PstParser::finishParsing(const std::shared_ptr<PstFolderItem>& root)
{
    if (endIfCancelled())
        return nullptr;
    if (!isReadable(root))
        return nullptr;
    {
        const QMutexLocker locker(libpstLock().get());
        InternalFolders::mark(*root, m_pstFile.get(), m_topOfFoldersId);
    }
    Log::info("Parsed Pst document completed.");
    return root;
}

// A stopped open gives no document: what was read is dropped.
bool PstParser::endIfCancelled()
{
    if (!m_stopped)
        return false;
    Log::info("Opening cancelled.");
    fail();
    return true;
}

// A file whose every folder is unreadable and whose map was damaged too is
// not read at all; an empty tree would hide that.
bool PstParser::isReadable(const std::shared_ptr<PstFolderItem>& root)
{
    if (root->childCount() > 0 || root->itemCount() > 0 || m_rootItemsVisited > 0 || !m_losses->withoutNamedProperties)
        return true;
    Log::warn("Parsing failed, no folder can be read.");
    fail();
    return false;
}

// A folder's items are handed over before its sub-folders, so each folder is
// complete when the next one starts; only folders are kept.
void PstParser::visitLevel(pst_desc_tree* first, const std::shared_ptr<PstFolderItem>& folder, const Visitor& visitor)
{
    struct SubFolder
    {
        pst_desc_tree* node;
        std::shared_ptr<PstFolderItem> folder;
        bool damaged;
    };
    QList<SubFolder> subFolders;
    for (pst_desc_tree* node = first; node && !m_stopped; node = node->next) {
        bool damagedFolder = false;
        const std::shared_ptr<PstItem> item = readCountedItem(node, folder, &damagedFolder);
        if (!item)
            continue;
        if (item->type() != Folder) {
            item->setParent(folder);
            if (folder->nodeLevel() == 0)
                ++m_rootItemsVisited;
            if (visitor.item)
                visitor.item(item);
            continue;
        }
        auto subFolder = std::static_pointer_cast<PstFolderItem>(item);
        folder->addChildNode(subFolder);
        subFolders.append({node, subFolder, damagedFolder});
    }
    if (folder->nodeLevel() > 0 && visitor.folderDone)
        visitor.folderDone(folder);
    for (const SubFolder& sub : subFolders) {
        if (m_stopped)
            return;
        if (visitor.folderStarted)
            visitor.folderStarted(sub.folder);
        if (sub.node->child && (sub.node->no_child || sub.damaged))
            visitLevel(sub.node->child, sub.folder, visitor);
        else if (visitor.folderDone)
            visitor.folderDone(sub.folder);
    }
}

void PstParser::close()
{
    m_pstFile.reset();
}

void PstParser::fail()
{
    m_pstFile.reset();
}

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

// libpst reads a damaged node's values through stray pointers, so only
// nodes the guard accepts reach it; the others are skipped like the ones
// libpst cannot parse.
pst_item* PstParser::parseSoundItem(pst_desc_tree* node)
{
    pst_file* file = m_pstFile.get();
    const PinnedFile::Pin pin(file);
    if (!NodeGuard(file).isSound(node)) {
        Log::warn(QStringLiteral("Skipped damaged item at d_id=%1.").arg(node->d_id));
        return nullptr;
    }
    return pst_parse_item(file, node, nullptr);
}

void PstParser::countItem()
{
    constexpr int kProgressEvery = 256;
    if (++m_itemsRead % kProgressEvery == 0 && m_progress && !m_progress(m_itemsRead))
        m_stopped = true;
}

std::shared_ptr<PstItem> PstParser::readCountedItem(pst_desc_tree* node, const std::shared_ptr<PstFolderItem>& folder,
                                                    bool* damagedFolder)
{
    countItem();
    if (m_stopped)
        return nullptr;
    QMutexLocker locker(libpstLock().get());
    const std::shared_ptr<PstItem> item = readItem(node, folder, damagedFolder);
    locker.unlock();
    if (item) {
        item->setNodeLevel(folder->nodeLevel() + 1);
        item->setPstTree(node);
    }
    return item;
}

std::shared_ptr<PstItem> PstParser::readItem(pst_desc_tree* node, const std::shared_ptr<PstFolderItem>& parentFolder,
                                             bool* damagedFolder)
{
    pst_file* file = m_pstFile.get();
    // libpst reads a damaged node's values through stray pointers, so only
    // nodes the guard accepts reach it; the guard's reading of the node is
    // the one the light open takes the list fields from. libpst parses the
    // bytes checked, whatever another program writes to the file meanwhile.
    const PinnedFile::Pin pin(file);
    NodeGuard::CheckedNode checked;
    if (!NodeGuard(file).isSound(node, &checked)) {
        Log::warn(QStringLiteral("Skipped damaged item at d_id=%1.").arg(node->d_id));
        return unreadNode(node, parentFolder, damagedFolder);
    }
    // Classified exactly as libpst's record would be; only mails are read
    // without it, the other kinds are few.
    if (m_lightOpen && checked.hasContext && ItemFactory::isMessageNode(node)) {
        const LightItemReader reader(file, checked);
        if (reader.readsLikeLibpst()) {
            const QByteArray messageClass = reader.messageClass();
            const char* className = messageClass.isNull() ? nullptr : messageClass.constData();
            const MessageClass::Kind kind = MessageClass::kindOf(className);
            if (kind == MessageClass::Kind::Unknown) {
                LossCounter::countUnshown(*m_losses, parentFolder, node, className, inInternalFolder(parentFolder));
                return nullptr;
            }
            if (kind == MessageClass::Kind::Mail)
                return reader.mail(node, m_sharedTexts);
        }
    }
    pst_item* record = pst_parse_item(file, node, nullptr);
    if (!record)
        return unreadNode(node, parentFolder, damagedFolder);
    const std::shared_ptr<PstItem> item = m_factory->createItem(file, node, record);
    if (!item) {
        // Passed by value: libpst's records are packed.
        const char* const messageClass = record->ascii_type;
        LossCounter::countUnshown(*m_losses, parentFolder, node, messageClass, inInternalFolder(parentFolder));
    } else if (item->type() == Folder && m_folderNames) {
        m_folderNames->apply(*item, record);
        if (record->folder)
            LossCounter::countMissing(*m_losses, std::static_pointer_cast<PstFolderItem>(item), node,
                                      record->folder->item_count, file->size);
    }
    pst_freeItem(record);
    return item;
}

bool PstParser::inInternalFolder(const std::shared_ptr<PstFolderItem>& folder) const
{
    if (!folder)
        return false;
    // Reading a folder of a document read before (itemsOf()): its folders
    // are marked already.
    if (!m_topOfFoldersId)
        return folder->isHidden();
    return InternalFolders::isInternal(*folder, m_pstFile.get(), m_topOfFoldersId);
}

// A folder whose own record is damaged still holds readable items: they are
// shown in a folder named after its node instead of being lost with it.
std::shared_ptr<PstItem> PstParser::unreadNode(pst_desc_tree* node, const std::shared_ptr<PstFolderItem>& parentFolder,
                                               bool* damagedFolder)
{
    LossCounter::countUnread(*m_losses, parentFolder, node);
    if (!LossCounter::isFolderNode(node) || !node->child)
        return nullptr;
    auto folder = std::make_shared<PstFolderItem>();
    folder->setDisplayName(QCoreApplication::translate("PstParser", "Damaged folder %1").arg(node->d_id));
    folder->setFileId(node->d_id);
    *damagedFolder = true;
    return folder;
}

void PstParser::processLevel(pst_desc_tree* node, const std::shared_ptr<PstFolderItem>& parentFolder)
{
    countItem();
    if (m_stopped)
        return;
    // Held per node, so other threads wait for libpst at most one node long.
    QMutexLocker locker(libpstLock().get());
    bool damagedFolder = false;
    const std::shared_ptr<PstItem> item = readItem(node, parentFolder, &damagedFolder);
    locker.unlock();
    if (!item)
        return;
    item->setNodeLevel(parentFolder->nodeLevel() + 1);
    item->setPstTree(node);
    if (item->type() != Folder) {
        parentFolder->addItem(item);
    } else {
        parentFolder->addChildNode(item);
        auto folder = std::static_pointer_cast<PstFolderItem>(item);
        if (node->child && (node->no_child || damagedFolder))
            for (pst_desc_tree* c = node->child; c && !m_stopped; c = c->next)
                processLevel(c, folder);
    }
}
