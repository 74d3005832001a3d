// SPDX-License-Identifier: GPL-2.0-or-later
#include "SmimeReader.h"

#include "CmsMessage.h"
#include "MimeEntity.h"

#include <QObject>

namespace {

// A DER SEQUENCE: definite length (long form) or indefinite length.
bool looksLikeDer(const QByteArray& data)
{
    return data.size() >= 2 && quint8(data.at(0)) == 0x30 && quint8(data.at(1)) >= 0x80;
}

bool isPkcs7Mime(const QString& type)
{
    return type == QLatin1String("application/pkcs7-mime") || type == QLatin1String("application/x-pkcs7-mime");
}

class Unwrapper
{
public:
    Unwrapper(SmimeContent& content, const SmimeKey* key) : m_content(content), m_key(key) {}

    void unwrap(const QByteArray& data, int layer)
    {
        if (layer > SmimeReader::kMaxLayers) {
            m_content.error = QObject::tr("The mail is wrapped in too many signatures or encryptions to read.");
            return;
        }
        if (looksLikeDer(data)) {
            readCms(CmsMessage::fromDer(data), layer);
            return;
        }
        const MimeEntity entity(data);
        const QString type = entity.mimeType();
        if (!entity.isValid() || type.isEmpty()) {
            m_content.error = QObject::tr("The signed or encrypted message is damaged: it is not a MIME message.");
            return;
        }
        if (type == QLatin1String("multipart/signed"))
            readClearSigned(data, entity, layer);
        else if (isPkcs7Mime(type))
            readCms(CmsMessage::fromDer(entity.decodedContent()), layer);
        else
            entity.readInto(m_content);
    }

private:
    void setKind(SmimeContent::Kind kind)
    {
        if (m_content.kind == SmimeContent::Kind::None)
            m_content.kind = kind;
    }

    void readClearSigned(const QByteArray& data, const MimeEntity& entity, int layer)
    {
        setKind(SmimeContent::Kind::ClearSigned);
        QByteArray signedContent;
        const CmsMessage signature = CmsMessage::fromSignedEntity(data, &signedContent);
        if (signature.type() == CmsMessage::Type::Signed) {
            m_content.signatures += signature.verify(&signedContent);
        } else {
            SmimeSignature unreadable;
            unreadable.problem = QObject::tr("the signature part is damaged (%1)").arg(signature.error());
            m_content.signatures.append(unreadable);
        }
        // What is shown is what the signature was checked over, so two MIME
        // parsers cannot disagree on it; without a readable signature the
        // content is still shown.
        const QByteArray inner = signedContent.isNull() ? entity.signedPart() : signedContent;
        const MimeEntity part(inner);
        if (part.mimeType() == QLatin1String("multipart/signed") || isPkcs7Mime(part.mimeType()))
            unwrap(inner, layer + 1);
        else
            part.readInto(m_content);
    }

    void readCms(const CmsMessage& cms, int layer)
    {
        switch (cms.type()) {
        case CmsMessage::Type::Signed: {
            setKind(SmimeContent::Kind::OpaqueSigned);
            m_content.signatures += cms.verify();
            const QByteArray inner = cms.content();
            if (inner.isNull())
                m_content.error = QObject::tr("The signature carries no message.");
            else
                unwrap(inner, layer + 1);
            break;
        }
        case CmsMessage::Type::Enveloped:
            readEnveloped(cms, layer);
            break;
        case CmsMessage::Type::Other:
            m_content.error = QObject::tr("The mail holds a kind of S/MIME structure that cannot be shown.");
            break;
        case CmsMessage::Type::Invalid:
            m_content.error = QObject::tr("The signed or encrypted message is damaged or truncated (%1).").arg(cms.error());
            break;
        }
    }

    void readEnveloped(const CmsMessage& cms, int layer)
    {
        setKind(SmimeContent::Kind::Encrypted);
        m_content.encrypted = true;
        m_content.recipients += cms.recipients();
        if (!m_key)
            return;
        QByteArray plain;
        QString problem;
        if (!cms.decrypt(*m_key, &plain, &problem)) {
            m_content.error = QObject::tr("The chosen key cannot decrypt this mail (%1).").arg(problem);
            return;
        }
        m_content.decrypted = true;
        unwrap(plain, layer + 1);
        plain.fill('\0');
    }

    SmimeContent& m_content;
    const SmimeKey* m_key;
};

} // namespace

SmimeContent SmimeReader::read(const QByteArray& wrapper, const SmimeKey* key)
{
    SmimeContent content;
    Unwrapper(content, key).unwrap(wrapper, 0);
    // What it holds is still shown, but the user learns that the mail is
    // not what its class says.
    if (content.kind == SmimeContent::Kind::None && content.error.isEmpty())
        content.error = QObject::tr("The mail's smime.p7m holds neither a signature nor an encrypted message.");
    return content;
}
