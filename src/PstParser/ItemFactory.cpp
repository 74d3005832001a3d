#include "ItemFactory.h"

#include "PstFolderItem.h"

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
    Q_UNUSED(file);
    if (!record)
        return nullptr;
    if (record->folder && !isMessageNode(node))
        return PstFolderItem::creteFromPstItem(node, record);
    if (!record->ascii_type)
        return nullptr;
    return nullptr;
}
