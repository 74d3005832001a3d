// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>

// `lumaroo-cli show FILE.pst PATH-OR-ID`: one item in full, as JSON.
class ShowCommand
{
public:
    static int run(const QStringList& args);
};
