// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>

// lumaroo-cli index FILE.pst [--jobs N] [--progress-lines]: builds or
// refreshes the file's search index.
class IndexCommand
{
public:
    static int run(const QStringList& args);
};
