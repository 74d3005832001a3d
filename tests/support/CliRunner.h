// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QStringList>

// Runs the built lumaroo-cli as a user would and collects what it said.
namespace CliRunner {

struct Result
{
    int status = -1; // exit code; -1 when it crashed or did not finish in time
    QByteArray out;
    QByteArray err;
};

Result run(const QStringList& args);
// Absolute path of the built lumaroo-cli.
QString path();

} // namespace CliRunner
