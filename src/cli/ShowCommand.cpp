// SPDX-License-Identifier: GPL-2.0-or-later
#include "ShowCommand.h"

#include "CliDocument.h"
#include "CliKeyOption.h"
#include "ItemJson.h"
#include "PstMailItem.h"
#include "SmimeJson.h"
#include "SmimeKey.h"
#include "SmimeMail.h"

#include <QJsonDocument>
#include <QTextStream>

namespace {

const char kUsage[] = "usage: lumaroo-cli show FILE.pst PATH-OR-ID [--key FILE.p12 [--pass-env VAR]]\n";

// False when a key was given and could not decrypt the mail.
bool addSmime(const PstMailItem& mail, const SmimeKey* key, QJsonObject& json)
{
    if (!SmimeMail::isSmime(mail))
        return true;
    const SmimeContent content = SmimeMail::read(mail, key);
    if (content.kind == SmimeContent::Kind::None && content.error.isEmpty())
        return true;
    json.insert("smime", SmimeJson::of(content));
    const QString page = SmimeMail::page(content);
    if (!page.isEmpty())
        json.insert("body", page);
    if (key && content.encrypted && !content.decrypted) {
        QTextStream(stderr) << "lumaroo-cli: " << content.error << '\n';
        return false;
    }
    return true;
}

} // namespace

int ShowCommand::run(const QStringList& arguments)
{
    QStringList args = arguments;
    CliKeyOption keyOption;
    if (!keyOption.take(args) || args.size() != 2) {
        QTextStream(stderr) << kUsage;
        return 2;
    }
    std::shared_ptr<SmimeKey> key;
    if (keyOption.isSet() && !(key = keyOption.load()))
        return 1;
    const auto root = CliDocument::open(args.first());
    if (!root)
        return 1;
    QString path;
    const auto item = ItemJson::find(*root, args.at(1), &path);
    if (!item) {
        QTextStream(stderr) << "lumaroo-cli: " << args.at(1) << ": no such item\n";
        return 1;
    }
    QJsonObject json = ItemJson::details(*item, path);
    const bool decrypted = item->type() != Mail || addSmime(static_cast<const PstMailItem&>(*item), key.get(), json);
    QTextStream(stdout) << QJsonDocument(json).toJson(QJsonDocument::Indented);
    return decrypted ? 0 : 1;
}
