// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>

// lumaroo-cli search FILE.pst QUERY [--limit N] [--json] [--sort best|newest|oldest]:
// builds or reuses the file's search index and prints the hits.
class SearchCommand
{
public:
    static int run(const QStringList& args);
};
