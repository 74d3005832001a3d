// SPDX-License-Identifier: GPL-2.0-or-later
#include "ItemFactory.h"

#include "PstCalendarItem.h"
#include "MessageClass.h"
#include "PstContactItem.h"
#include "PstDistListItem.h"
#include "PstDataConverter.h"
#include "PstFolderItem.h"
#include "PstJournalItem.h"
#include "PstMailItem.h"
#include "PstNoteItem.h"
#include "PstTaskItem.h"

namespace {

// The low five bits of a node id give the node's kind.
constexpr quint64 kNodeTypeMask = 0x1F;
constexpr quint64 kNodeTypeNormalMessage = 0x04;

} // namespace

// libpst marks a record as a folder whenever it meets a folder property,
// which some mails carry too; such a mail would vanish from its folder's
// list and show up as an empty sub-folder. Its node kind tells the truth.
bool ItemFactory::isMessageNode(const pst_desc_tree* node)
{
    return node && (node->d_id & kNodeTypeMask) == kNodeTypeNormalMessage;
}

std::shared_ptr<PstItem> ItemFactory::createItem(pst_file* file, pst_desc_tree* node, pst_item* record)
{
    std::shared_ptr<PstItem> item = createKind(file, node, record);
    // The list sorts by size.
    if (item && record->message_size > 0 && item->type() != Folder)
        item->insertProperty(QStringLiteral("messageSize"), qint64(record->message_size));
    return item;
}

std::shared_ptr<PstItem> ItemFactory::createKind(pst_file* file, pst_desc_tree* node, pst_item* record)
{
    if (!record)
        return nullptr;
    if (record->folder && !isMessageNode(node))
        return PstFolderItem::creteFromPstItem(node, record);
    const MessageClass::Kind kind = MessageClass::kindOf(record->ascii_type);
    MessageClass::completeRecord(record, kind);
    switch (kind) {
    case MessageClass::Kind::Mail: {
        auto mail = PstMailItem::creteFromPstItem(node, record);
        if (mail)
            mail->parserAttach(file, record->attach, PstDataConverter::recordCodePage(record));
        return mail;
    }
    case MessageClass::Kind::Contact:
        return PstContactItem::creteFromPstItem(node, record);
    case MessageClass::Kind::DistList:
        return PstDistListItem::creteFromPstItem(file, node, record);
    case MessageClass::Kind::Journal:
        return PstJournalItem::creteFromPstItem(node, record);
    case MessageClass::Kind::Appointment:
        return PstCalendarItem::creteFromPstItem(node, record);
    case MessageClass::Kind::Note:
        return PstNoteItem::creteFromPstItem(node, record);
    case MessageClass::Kind::Task:
        return PstTaskItem::creteFromPstItem(node, record);
    case MessageClass::Kind::Unknown:
        break;
    }
    return nullptr;
}
