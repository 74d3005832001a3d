// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "readpst.h"

#include <libpst/libpst.h>

// The deleted and changed occurrences of a recurring appointment, read from
// its stored recurrence pattern with our own property reader and placed in
// UTC for the calendar writer.
namespace SeriesExceptions {

// Fills extras.exdates and extras.instances for `item` read from `node` of
// `file`. Leaves them empty for an appointment that does not recur; for a
// series whose pattern cannot be read it logs that and leaves them empty,
// so the series keeps its rule without exceptions.
void read(pst_file* file, pst_desc_tree* node, pst_item* item, ical_event_extras& extras);

} // namespace SeriesExceptions
