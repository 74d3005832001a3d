// SPDX-License-Identifier: GPL-2.0-or-later
#include "LossCounter.h"

#include "Log.h"
#include "MessageClass.h"
#include "PstFolderItem.h"

#include <QDebug>

namespace {

// The low five bits of a node id give the node's kind.
constexpr quint64 kNodeTypeMask = 0x1F;
constexpr quint64 kNormalFolder = 0x02;
constexpr quint64 kNormalMessage = 0x04;

quint64 nodeKind(const pst_desc_tree* node)
{
    return node ? node->d_id & kNodeTypeMask : 0;
}

QString folderName(const std::shared_ptr<PstFolderItem>& folder)
{
    return folder ? folder->displayName() : QString();
}

} // namespace

bool LossCounter::isFolderNode(const pst_desc_tree* node)
{
    return nodeKind(node) == kNormalFolder;
}

void LossCounter::countUnread(ParseLosses& losses, const std::shared_ptr<PstFolderItem>& folder,
                              const pst_desc_tree* node)
{
    const quint64 kind = nodeKind(node);
    // Internal nodes (search folders, views) hold nothing the user keeps.
    if (kind != kNormalFolder && kind != kNormalMessage)
        return;
    if (kind == kNormalFolder) {
        Log::warn(QStringLiteral("Not read: damaged folder at d_id=%1 in folder \"%2\"; its contents are kept.")
                      .arg(node->d_id)
                      .arg(folderName(folder)));
        return;
    }
    losses.damaged.append({node->d_id, QString(), folder});
    Log::warn(QStringLiteral("Not read: damaged item at d_id=%1 in folder \"%2\".")
                  .arg(node->d_id)
                  .arg(folderName(folder)));
}

void LossCounter::countUnshown(ParseLosses& losses, const std::shared_ptr<PstFolderItem>& folder,
                               const pst_desc_tree* node, const char* storedClass, bool inInternalFolder)
{
    const QString messageClass = storedClass ? QString::fromLatin1(storedClass) : QString();
    if (inInternalFolder && nodeKind(node) == kNormalMessage && MessageClass::isBookkeeping(messageClass)) {
        losses.internal.append({node->d_id, messageClass, folder});
        Log::info(QStringLiteral("Internal: Outlook's own message of class \"%1\" at d_id=%2 in folder \"%3\".")
                      .arg(messageClass)
                      .arg(node->d_id)
                      .arg(folderName(folder)));
        return;
    }
    if (nodeKind(node) != kNormalMessage)
        return;
    losses.unshown.append({node->d_id, messageClass, folder});
    Log::warn(QStringLiteral("Not shown: message of class \"%1\" at d_id=%2 in folder \"%3\".")
                  .arg(messageClass)
                  .arg(node->d_id)
                  .arg(folderName(folder)));
}

void LossCounter::countMissing(ParseLosses& losses, const std::shared_ptr<PstFolderItem>& folder,
                               const pst_desc_tree* node, int storedCount, quint64 fileSize)
{
    // Search folders count the results of their search, which live elsewhere.
    if (nodeKind(node) != kNormalFolder)
        return;
    int found = 0;
    for (const pst_desc_tree* child = node ? node->child : nullptr; child; child = child->next) {
        if (nodeKind(child) == kNormalMessage)
            ++found;
    }
    // A count past any real folder's, or past what the file's bytes could
    // hold (every message takes a block and index entries of its own), is
    // damage to the count itself.
    constexpr int kImplausibleCount = 1 << 24;
    constexpr quint64 kSmallestMessageBytes = 64;
    if (storedCount <= found || storedCount >= kImplausibleCount ||
        quint64(storedCount - found) > fileSize / kSmallestMessageBytes)
        return;
    losses.missing.append({storedCount - found, folder});
    Log::warn(QStringLiteral("Not found: %1 of the %2 messages of folder \"%3\" (d_id=%4) are missing from the file's index.")
                  .arg(storedCount - found)
                  .arg(storedCount)
                  .arg(folderName(folder))
                  .arg(node->d_id));
}
