#include "PstParser.h"

#include "ItemFactory.h"
#include "LightItemReader.h"
#include "NodeGuard.h"
#include "Log.h"
#include "PstFileDeleter.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>

#include <cstdlib>

namespace {

constexpr char kPstMagic[] = {'!', 'B', 'D', 'N'};
// The smallest header libpst reads (the ANSI one) ends at this offset.
constexpr qint64 kMinimumHeaderBytes = 0x200;

// Only files that start like a PST reach libpst: it rejects other files
// itself, but not cleanly.
bool hasPstSignature(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < kMinimumHeaderBytes)
        return false;
    return file.read(sizeof kPstMagic) == QByteArray(kPstMagic, sizeof kPstMagic);
}

} // namespace

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
    if (!hasPstSignature(path) || pst_open(file, path.toLocal8Bit().constData(), nullptr) != 0) {
        Log::warn("Failed to open, pst_open error.");
        // libpst closes the stream itself when it rejects a file but leaves
        // the dangling pointer behind; closing it again would free it twice.
        file->fp = nullptr;
        fail();
        return false;
    }
    if (pst_load_index(file) != 0) {
        Log::warn("Failed to open, pst_load_index error.");
        fail();
        return false;
    }
    // libpst copies the map's names by the lengths the file gives.
    if (!NodeGuard(file).isNameMapSound() || pst_load_extended_attributes(file) != 1) {
        Log::warn("Failed to open, pst_load_extended_attributes error.");
        fail();
        return false;
    }
    m_pstPath = path;
    Log::info("Open file completed");
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

bool PstParser::visit(const QString& path, const Visitor& visitor)
{
    pst_desc_tree* top = nullptr;
    std::shared_ptr<PstFolderItem> root = startParsing(path, &top);
    if (!root)
        return false;
    visitLevel(top, root, visitor);
    return finishParsing(root) != nullptr;
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
        Log::warn("Parsing failed, top of folders not found.");
        fail();
        return nullptr;
    }
    root->setFileId((*top)->parent_d_id);
    return root;
}

std::shared_ptr<PstFolderItem> PstParser::finishParsing(const std::shared_ptr<PstFolderItem>& root)
{
    if (m_stopped) {
        Log::info("Opening cancelled.");
        fail();
        return nullptr;
    }
    Log::info("Parsed Pst document completed.");
    return root;
}

// A folder's items are handed over before its sub-folders, so each folder is
// complete when the next one starts; only folders are kept.
void PstParser::visitLevel(pst_desc_tree* first, const std::shared_ptr<PstFolderItem>& folder, const Visitor& visitor)
{
    QList<std::pair<pst_desc_tree*, std::shared_ptr<PstFolderItem>>> subFolders;
    for (pst_desc_tree* node = first; node && !m_stopped; node = node->next) {
        countItem();
        QMutexLocker locker(libpstLock().get());
        const std::shared_ptr<PstItem> item = readItem(node);
        locker.unlock();
        if (!item)
            continue;
        item->setNodeLevel(folder->nodeLevel() + 1);
        item->setPstTree(node);
        if (item->type() != Folder) {
            item->setParent(folder);
            if (visitor.item)
                visitor.item(item);
            continue;
        }
        auto subFolder = std::static_pointer_cast<PstFolderItem>(item);
        folder->addChildNode(subFolder);
        subFolders.append({node, subFolder});
    }
    if (folder->nodeLevel() > 0 && visitor.folderDone)
        visitor.folderDone(folder);
    for (const auto& [node, subFolder] : subFolders) {
        if (m_stopped)
            return;
        if (visitor.folderStarted)
            visitor.folderStarted(subFolder);
        if (node->child && node->no_child)
            visitLevel(node->child, subFolder, visitor);
        else if (visitor.folderDone)
            visitor.folderDone(subFolder);
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

// libpst reads a damaged node's values through stray pointers, so only
// nodes the guard accepts reach it; the others are skipped like the ones
// libpst cannot parse.
pst_item* PstParser::parseSoundItem(pst_desc_tree* node)
{
    pst_file* file = m_pstFile.get();
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

std::shared_ptr<PstItem> PstParser::readItem(pst_desc_tree* node)
{
    pst_file* file = m_pstFile.get();
    // libpst reads a damaged node's values through stray pointers, so only
    // nodes the guard accepts reach it; the guard's reading of the node is
    // the one the light open takes the list fields from.
    NodeGuard::CheckedNode checked;
    if (!NodeGuard(file).isSound(node, &checked)) {
        Log::warn(QStringLiteral("Skipped damaged item at d_id=%1.").arg(node->d_id));
        return nullptr;
    }
    if (m_lightOpen && checked.hasContext && ItemFactory::isMessageNode(node)) {
        const LightItemReader reader(file, checked);
        const QByteArray messageClass = reader.messageClass();
        const std::optional<ItemType> kind = ItemFactory::kindOfClass(messageClass.isNull() ? nullptr : messageClass.constData());
        if (!kind) {
            qDebug().noquote() << "unknown/unhandled item at d_id=" + QString::number(node->d_id);
            return nullptr;
        }
        if (*kind == Mail)
            return reader.mail(node, m_sharedTexts);
    }
    pst_item* record = pst_parse_item(file, node, nullptr);
    if (!record)
        return nullptr;
    const std::shared_ptr<PstItem> item = m_factory->createItem(file, node, record);
    if (!item)
        qDebug().noquote() << "unknown/unhandled item at d_id=" + QString::number(node->d_id);
    pst_freeItem(record);
    return item;
}

void PstParser::processLevel(pst_desc_tree* node, const std::shared_ptr<PstFolderItem>& parentFolder)
{
    countItem();
    if (m_stopped)
        return;
    // Held per node, so other threads wait for libpst at most one node long.
    QMutexLocker locker(libpstLock().get());
    const std::shared_ptr<PstItem> item = readItem(node);
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
        if (node->child && node->no_child)
            for (pst_desc_tree* c = node->child; c && !m_stopped; c = c->next)
                processLevel(c, folder);
    }
}
