// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>

// `lumaroo-cli list FILE.pst`: every folder with its items, as JSON.
class ListCommand
{
public:
    static int run(const QStringList& args);
};
