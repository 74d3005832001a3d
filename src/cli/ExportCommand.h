// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>

// `lumaroo-cli export FILE.pst [--contacts] [--calendar]`: the window's export
// to the desktop address book and calendar, headless. Without either option
// both are exported. Progress and summary as `convert`; exit status 0 when
// the desktop service stored every item, 1 when any failed, the service
// cannot be reached or the file cannot be opened, 2 for a usage error.
class ExportCommand
{
public:
    static int run(const QStringList& args);
};
