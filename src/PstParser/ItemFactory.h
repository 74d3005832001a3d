// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstItem.h"

// Builds the item for one parsed record by its message class.
class ItemFactory
{
public:
    // Empty for a null record or a class the program does not show.
    std::shared_ptr<PstItem> createItem(pst_file* file, pst_desc_tree* node, pst_item* record);

    // True for a node whose id says it is a message, whatever its record holds.
    static bool isMessageNode(const pst_desc_tree* node);

private:
    std::shared_ptr<PstItem> createKind(pst_file* file, pst_desc_tree* node, pst_item* record);
};
