#include "ItemFactory.h"

#include "PstFolderItem.h"

#include <cstring>

std::shared_ptr<PstItem> ItemFactory::createItem(pst_file* file, pst_desc_tree* node, pst_item* record)
{
    Q_UNUSED(file);
    if (!record)
        return nullptr;
    if (record->folder)
        return PstFolderItem::creteFromPstItem(node, record);
    if (!record->ascii_type)
        return nullptr;
    return nullptr;
}
