// SPDX-License-Identifier: GPL-2.0-or-later
#include "NamedPropertyMask.h"

#include <cstdlib>

namespace {

constexpr uint32_t kFirstNamedId = 0x8000;
constexpr uint32_t kLastNamedId = 0xFFFF;
// libpst has no property of this id.
constexpr uint32_t kIgnoredId = 0x0000;

pst_x_attrib_ll* ignoredEntry(uint32_t id, pst_x_attrib_ll* next)
{
    auto* entry = static_cast<pst_x_attrib_ll*>(std::calloc(1, sizeof(pst_x_attrib_ll)));
    auto* target = static_cast<uint32_t*>(std::malloc(sizeof(uint32_t)));
    if (!entry || !target) {
        std::free(entry);
        std::free(target);
        return nullptr;
    }
    *target = kIgnoredId;
    entry->mytype = PST_MAP_ATTRIB;
    entry->map = id;
    entry->data = target;
    entry->next = next;
    return entry;
}

} // namespace

void NamedPropertyMask::install(pst_file* file)
{
    if (!file)
        return;
    // Walk the sorted list once, inserting an entry before each id it skips.
    pst_x_attrib_ll** link = &file->x_head;
    for (uint32_t id = kFirstNamedId; id <= kLastNamedId; ++id) {
        while (*link && (*link)->map < id)
            link = &(*link)->next;
        if (*link && (*link)->map == id)
            continue;
        pst_x_attrib_ll* entry = ignoredEntry(id, *link);
        if (!entry)
            return;
        *link = entry;
        link = &entry->next;
    }
}
