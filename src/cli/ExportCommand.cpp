// SPDX-License-Identifier: GPL-2.0-or-later
#include "ExportCommand.h"

#include "CliDocument.h"
#include "ConvertCommand.h"
#include "ExportManager.h"
#include "UserFolders.h"

#include <QTextStream>

namespace {

int usage(const QString& problem)
{
    QTextStream err(stderr);
    if (!problem.isEmpty())
        err << "lumaroo-cli export: " << problem << "\n";
    err << "usage: lumaroo-cli export FILE.pst [--contacts] [--calendar]\n";
    return 2;
}

} // namespace

int ExportCommand::run(const QStringList& args)
{
    QString pstPath;
    QList<QString> chosen;
    for (const QString& arg : args) {
        if (arg == QLatin1String("--contacts"))
            chosen.append(QStringLiteral("vcf"));
        else if (arg == QLatin1String("--calendar"))
            chosen.append(QStringLiteral("ics"));
        else if (arg.startsWith(QLatin1String("--")) || !pstPath.isEmpty())
            return usage(QStringLiteral("unexpected argument %1").arg(arg));
        else
            pstPath = arg;
    }
    if (pstPath.isEmpty())
        return usage(QStringLiteral("expected FILE.pst"));
    // In the engine's order, as the window's dialog passes them.
    QList<QString> formats;
    for (const ExportFormat& format : ExportManager::formats()) {
        if (!format.appCaption.isEmpty() && (chosen.isEmpty() || chosen.contains(format.key)))
            formats.append(format.key);
    }
    const auto root = CliDocument::open(pstPath);
    if (!root)
        return 1;
    ExportManager manager;
    return ConvertCommand::execute(
        manager, [&] { manager.startExportToApp(root, UserFolders::tempDir(), formats); }, formats,
        QStringLiteral("Nothing to export: %1 has no item of the chosen kinds.").arg(pstPath), QStringLiteral("stored"), *root);
}
