// SPDX-License-Identifier: GPL-2.0-or-later
#include "SmimeStatusText.h"

#include <QLocale>
#include <QObject>

QString SmimeStatusText::signer(const SmimeSignature& signature)
{
    QString who = signature.signerName.isEmpty() ? QObject::tr("an unknown signer") : signature.signerName;
    if (!signature.signerAddress.isEmpty())
        who += QStringLiteral(" <%1>").arg(signature.signerAddress);
    if (!signature.signingTime.isValid())
        return QObject::tr("Signed by %1").arg(who);
    const QString when = QLocale::system().toString(signature.signingTime.toLocalTime(),
                                                    QStringLiteral("MMM dd, yyyy 'at' hh:mm AP"));
    return QObject::tr("Signed by %1 on %2").arg(who, when);
}

QString SmimeStatusText::validity(const SmimeSignature& signature)
{
    if (signature.valid)
        return QObject::tr("Signature valid");
    if (signature.contentChanged)
        return QObject::tr("Signature invalid: the mail was changed after it was signed");
    return QObject::tr("Signature could not be checked: %1").arg(signature.problem);
}

QString SmimeStatusText::trust(const SmimeSignature& signature)
{
    if (signature.trusted)
        return QObject::tr("Certificate trusted on this computer");
    if (signature.trustProblem.isEmpty())
        return QObject::tr("Certificate not trusted on this computer");
    return QObject::tr("Certificate not trusted on this computer (%1)").arg(signature.trustProblem);
}

QString SmimeStatusText::recipient(const SmimeRecipient& recipient)
{
    if (!recipient.issuer.isEmpty())
        return QObject::tr("%1, serial number %2").arg(recipient.issuer, recipient.serial);
    return QObject::tr("key id %1").arg(recipient.keyId);
}

QString SmimeStatusText::encryption(const SmimeContent& content)
{
    QStringList whom;
    for (const SmimeRecipient& entry : content.recipients)
        whom.append(recipient(entry));
    const QString list = whom.isEmpty() ? QObject::tr("unknown recipients") : whom.join(QStringLiteral("; "));
    if (content.decrypted)
        return QObject::tr("Encrypted for %1; decrypted with your key").arg(list);
    return QObject::tr("Encrypted for %1").arg(list);
}

QStringList SmimeStatusText::lines(const SmimeContent& content)
{
    QStringList result;
    if (content.encrypted)
        result.append(encryption(content));
    for (const SmimeSignature& signature : content.signatures)
        result.append(QStringLiteral("%1 · %2 · %3").arg(signer(signature), validity(signature), trust(signature)));
    if (!content.error.isEmpty())
        result.append(content.error);
    return result;
}
