// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <libpst/libpst.h>

// Closes and frees a libpst file when the last owner of its handle goes.
struct PstFileDeleter
{
    void operator()(pst_file* file) const;
};
