// SPDX-License-Identifier: GPL-2.0-or-later
#include "ShowCommand.h"

#include "CliDocument.h"
#include "ItemJson.h"

#include <QJsonDocument>
#include <QTextStream>

int ShowCommand::run(const QStringList& args)
{
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: lumaroo-cli show FILE.pst PATH-OR-ID\n";
        return 2;
    }
    const auto root = CliDocument::open(args.first());
    if (!root)
        return 1;
    QString path;
    const auto item = ItemJson::find(*root, args.at(1), &path);
    if (!item) {
        QTextStream(stderr) << "lumaroo-cli: " << args.at(1) << ": no such item\n";
        return 1;
    }
    QTextStream(stdout) << QJsonDocument(ItemJson::details(*item, path)).toJson(QJsonDocument::Indented);
    return 0;
}
