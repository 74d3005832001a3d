// SPDX-License-Identifier: GPL-2.0-or-later
#include "SmimeJson.h"

#include "SmimeStatusText.h"

#include <QJsonArray>

namespace {

QString kindName(SmimeContent::Kind kind)
{
    switch (kind) {
    case SmimeContent::Kind::ClearSigned: return QStringLiteral("clear-signed");
    case SmimeContent::Kind::OpaqueSigned: return QStringLiteral("opaque-signed");
    case SmimeContent::Kind::Encrypted: return QStringLiteral("encrypted");
    case SmimeContent::Kind::None: break;
    }
    return QStringLiteral("none");
}

QJsonObject signatureJson(const SmimeSignature& signature)
{
    return QJsonObject{
        {"signer", signature.signerName},
        {"address", signature.signerAddress},
        {"signingTime", signature.signingTime.isValid() ? signature.signingTime.toString(Qt::ISODate) : QString()},
        {"signatureValid", signature.valid},
        {"contentChanged", signature.contentChanged},
        {"problem", signature.problem},
        {"certificateTrusted", signature.trusted},
        {"trustProblem", signature.trustProblem},
        {"status", SmimeStatusText::validity(signature)},
        {"trust", SmimeStatusText::trust(signature)},
    };
}

} // namespace

QJsonObject SmimeJson::of(const SmimeContent& content)
{
    QJsonArray signatures;
    for (const SmimeSignature& signature : content.signatures)
        signatures.append(signatureJson(signature));
    QJsonArray recipients;
    for (const SmimeRecipient& recipient : content.recipients)
        recipients.append(QJsonObject{{"issuer", recipient.issuer}, {"serial", recipient.serial}, {"keyId", recipient.keyId}});
    QJsonArray parts;
    for (const SmimePart& part : content.attachments) {
        QJsonObject entry{{"name", part.name}, {"mimeType", part.mimeType}, {"contentId", part.contentId},
                          {"size", part.data.size()}};
        if (part.message)
            entry.insert("message", true);
        parts.append(entry);
    }
    return QJsonObject{
        {"kind", kindName(content.kind)},
        {"signed", content.isSigned()},
        {"signatures", signatures},
        {"encrypted", content.encrypted},
        {"recipients", recipients},
        {"decrypted", content.decrypted},
        {"charset", content.charset},
        {"attachments", parts},
        {"error", content.error},
        {"status", QJsonArray::fromStringList(SmimeStatusText::lines(content))},
    };
}
