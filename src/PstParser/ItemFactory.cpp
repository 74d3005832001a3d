// SPDX-License-Identifier: GPL-2.0-or-later
#include "ItemFactory.h"

#include "PstCalendarItem.h"
#include "PstContactItem.h"
#include "PstDataConverter.h"
#include "PstFolderItem.h"
#include "PstJournalItem.h"
#include "PstMailItem.h"
#include "PstNoteItem.h"
#include "PstTaskItem.h"

#include <cstring>

namespace {

// The low five bits of a node id give the node's kind.
constexpr quint64 kNodeTypeMask = 0x1F;
constexpr quint64 kNodeTypeNormalMessage = 0x04;

// libpst marks a record as a folder whenever it meets a folder property,
// which some mails carry too; such a mail would vanish from its folder's
// list and show up as an empty sub-folder. Its node kind tells the truth.
bool isMessageNode(const pst_desc_tree* node)
{
    return node && (node->d_id & kNodeTypeMask) == kNodeTypeNormalMessage;
}

} // namespace

std::shared_ptr<PstItem> ItemFactory::createItem(pst_file* file, pst_desc_tree* node, pst_item* record)
{
    if (!record)
        return nullptr;
    if (record->folder && !isMessageNode(node))
        return PstFolderItem::creteFromPstItem(node, record);
    const char* messageClass = record->ascii_type;
    if (!messageClass)
        return nullptr;
    if (std::strcmp(messageClass, "IPM.Note") == 0) {
        auto mail = PstMailItem::creteFromPstItem(node, record);
        if (mail)
            mail->parserAttach(file, record->attach, PstDataConverter::recordCodePage(record));
        return mail;
    }
    if (std::strcmp(messageClass, "IPM.Contact") == 0)
        return PstContactItem::creteFromPstItem(node, record);
    if (std::strcmp(messageClass, "IPM.Activity") == 0)
        return PstJournalItem::creteFromPstItem(node, record);
    if (std::strcmp(messageClass, "IPM.Appointment") == 0)
        return PstCalendarItem::creteFromPstItem(node, record);
    if (std::strcmp(messageClass, "IPM.StickyNote") == 0)
        return PstNoteItem::creteFromPstItem(node, record);
    if (std::strcmp(messageClass, "IPM.Task") == 0)
        return PstTaskItem::creteFromPstItem(node, record);
    return nullptr;
}
