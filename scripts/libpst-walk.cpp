// SPDX-License-Identifier: GPL-2.0-or-later
// A plain walk of a PST file through libpst alone, for the fuzz campaign's
// loss figures: prints how many message nodes libpst parses into a record.
// Built by scripts/fuzz-pst.sh; not part of the program.
#include <libpst/libpst.h>

#include <cstdio>
#include <cstring>

namespace {

int walk(pst_file* file, pst_desc_tree* node, int depth)
{
    int messages = 0;
    for (; node; node = node->next) {
        pst_item* item = pst_parse_item(file, node, nullptr);
        // Node kind 4: a message; folders and the rest are not counted.
        if (item && (node->d_id & 0x1F) == 0x04)
            ++messages;
        if (item)
            pst_freeItem(item);
        if (node->child && depth < 64)
            messages += walk(file, node->child, depth + 1);
    }
    return messages;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    pst_file file;
    std::memset(&file, 0, sizeof file);
    if (pst_open(&file, argv[1], nullptr) != 0 || pst_load_index(&file) != 0) {
        std::printf("0\n");
        return 1;
    }
    pst_load_extended_attributes(&file);
    pst_item* store = pst_parse_item(&file, file.d_head, nullptr);
    pst_desc_tree* top = pst_getTopOfFolders(&file, store);
    if (store)
        pst_freeItem(store);
    std::printf("%d\n", top ? walk(&file, top, 0) : 0);
    pst_close(&file);
    return 0;
}
