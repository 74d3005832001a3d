// SPDX-License-Identifier: GPL-2.0-or-later
#include "CliRunner.h"

#include <QProcess>

namespace CliRunner {

Result run(const QStringList& args)
{
    constexpr int kTimeoutMs = 120000;
    QProcess cli;
    cli.start(path(), args);
    Result result;
    if (!cli.waitForFinished(kTimeoutMs))
        return result;
    result.status = cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
    result.out = cli.readAllStandardOutput();
    result.err = cli.readAllStandardError();
    return result;
}

QString path()
{
    return QStringLiteral(LUMAROO_CLI_PATH);
}

} // namespace CliRunner
