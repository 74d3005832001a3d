// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// One labelled value of an item's description. Rows with an empty value are
// carried; viewers decide whether to show them.
struct InfoField
{
    QString label;
    QString value;
};
