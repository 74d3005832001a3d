// SPDX-License-Identifier: GPL-2.0-or-later
#include "ShowCommand.h"

#include "CliDocument.h"
#include "ItemJson.h"
#include "PstMailItem.h"
#include "SmimeJson.h"
#include "SmimeKey.h"
#include "SmimeMail.h"

#include <QJsonDocument>
#include <QTextStream>

namespace {

const char kUsage[] = "usage: lumaroo-cli show FILE.pst PATH-OR-ID [--key FILE.p12 [--pass-env VAR]]\n";

// Takes "--key FILE" and "--pass-env VAR" out of args; false on wrong use.
bool takeKeyOptions(QStringList& args, QString* keyFile, QString* passwordVariable)
{
    for (int i = 0; i < args.size();) {
        QString* target = args.at(i) == QLatin1String("--key") ? keyFile
            : args.at(i) == QLatin1String("--pass-env")        ? passwordVariable
                                                               : nullptr;
        if (!target) {
            ++i;
            continue;
        }
        if (i + 1 >= args.size())
            return false;
        *target = args.at(i + 1);
        args.remove(i, 2);
    }
    return passwordVariable->isEmpty() || !keyFile->isEmpty();
}

// The key, or empty with a message on stderr. The password is wiped after use.
std::shared_ptr<SmimeKey> loadKey(const QString& keyFile, const QString& passwordVariable)
{
    QByteArray password = passwordVariable.isEmpty() ? QByteArray("") : qgetenv(passwordVariable.toLocal8Bit().constData());
    QString error;
    auto key = SmimeKey::fromPkcs12File(keyFile, password, &error);
    password.fill('\0');
    if (!key)
        QTextStream(stderr) << "lumaroo-cli: " << error << '\n';
    return key;
}

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
    QString keyFile;
    QString passwordVariable;
    if (!takeKeyOptions(args, &keyFile, &passwordVariable) || args.size() != 2) {
        QTextStream(stderr) << kUsage;
        return 2;
    }
    std::shared_ptr<SmimeKey> key;
    if (!keyFile.isEmpty() && !(key = loadKey(keyFile, passwordVariable)))
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
