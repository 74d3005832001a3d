// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Shared by the writer sources only: libpst's C headers that lack C++ guards,
// and small helpers the MIME and calendar writers both use.

#include <cstddef>
#include <cstdio>

#include <libpst/libpst.h>
#include <libpst/timeconv.h>
extern "C" {
#include <libpst/libstrfunc.h>
#include <libpst/lzfu.h>
#include <libpst/vbuf.h>
}

namespace readpst_detail {

// Writes a value that must stay on one line: carriage returns, line feeds and
// other control bytes become blanks, so untrusted text cannot start a line of
// its own in a header or a calendar.
void write_single_line(FILE* out, char const* text);

// "UID:" with `uid`, or with the item's block id in hex when the caller
// names none (an item of no open file).
void write_uid(FILE* out, pst_item const* item, char const* uid);

// strdup that never returns null (a failed allocation ends the program, as
// libpst's own allocator does).
char* copy_string(char const* text);

} // namespace readpst_detail
