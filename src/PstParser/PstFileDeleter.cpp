// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstFileDeleter.h"

#include "Log.h"

#include <cstdlib>

void PstFileDeleter::operator()(pst_file* file) const
{
    if (!file)
        return;
    pst_close(file);
    std::free(file);
    Log::info("Closed Pst document completed.");
}
