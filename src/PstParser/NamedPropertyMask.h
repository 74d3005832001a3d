// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <libpst/libpst.h>

// libpst turns a message's named property ids (0x8000 and up) into its own
// ids through the file's name map (pst_file::x_head, sorted by id). An id the
// map lacks, or every id when the map is damaged and left unloaded, reaches
// it unchanged and may be read as one of its own properties with a value of
// another type, through a null or short value. This points every named id
// the map lacks at id 0, which libpst reads as nothing: such properties are
// left out, all others are read as before.
namespace NamedPropertyMask {

// Completes the file's map; call after pst_load_extended_attributes (or
// instead of it). pst_close frees the added entries with the others.
void install(pst_file* file);

} // namespace NamedPropertyMask
