// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <libpst/libpst.h>

// The node after `node` in a depth-first walk of libpst's descriptor tree
// (children before siblings), nullptr at the end: the order in which the
// benchmarks' reference walk reads every item.
inline pst_desc_tree* nextDescNode(pst_desc_tree* node)
{
    if (node->child)
        return node->child;
    while (node && !node->next)
        node = node->parent;
    return node ? node->next : nullptr;
}
