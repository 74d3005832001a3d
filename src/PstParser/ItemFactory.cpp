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

} // namespace

// libpst marks a record as a folder whenever it meets a folder property,
// which some mails carry too; such a mail would vanish from its folder's
// list and show up as an empty sub-folder. Its node kind tells the truth.
bool ItemFactory::isMessageNode(const pst_desc_tree* node)
{
    return node && (node->d_id & kNodeTypeMask) == kNodeTypeNormalMessage;
}

std::optional<ItemType> ItemFactory::kindOfClass(const char* messageClass)
{
    if (!messageClass)
        return std::nullopt;
    if (std::strcmp(messageClass, "IPM.Note") == 0)
        return Mail;
    if (std::strcmp(messageClass, "IPM.Contact") == 0)
        return Contact;
    if (std::strcmp(messageClass, "IPM.Activity") == 0)
        return Journal;
    if (std::strcmp(messageClass, "IPM.Appointment") == 0)
        return Calendar;
    if (std::strcmp(messageClass, "IPM.StickyNote") == 0)
        return Note;
    if (std::strcmp(messageClass, "IPM.Task") == 0)
        return Task;
    return std::nullopt;
}

std::shared_ptr<PstItem> ItemFactory::createItem(pst_file* file, pst_desc_tree* node, pst_item* record)
{
    if (!record)
        return nullptr;
    if (record->folder && !isMessageNode(node))
        return PstFolderItem::creteFromPstItem(node, record);
    const std::optional<ItemType> kind = kindOfClass(record->ascii_type);
    if (!kind)
        return nullptr;
    switch (*kind) {
    case Mail: {
        auto mail = PstMailItem::creteFromPstItem(node, record);
        if (mail)
            mail->parserAttach(file, record->attach, PstDataConverter::recordCodePage(record));
        return mail;
    }
    case Contact:
        return PstContactItem::creteFromPstItem(node, record);
    case Journal:
        return PstJournalItem::creteFromPstItem(node, record);
    case Calendar:
        return PstCalendarItem::creteFromPstItem(node, record);
    case Note:
        return PstNoteItem::creteFromPstItem(node, record);
    case Task:
        return PstTaskItem::creteFromPstItem(node, record);
    case Folder:
        break;
    }
    return nullptr;
}
