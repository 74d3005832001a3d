#pragma once

#include <libpst/libpst.h>

// Closes and frees a libpst file when the last owner of its handle goes.
struct PstFileDeleter
{
    void operator()(pst_file* file) const;
};
