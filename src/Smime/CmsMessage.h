// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "SmimeContent.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

struct CMS_ContentInfo_st;
class SmimeKey;

// One CMS (PKCS #7) structure, read with OpenSSL: a signature (SignedData)
// or an encrypted message (EnvelopedData). Nothing is fetched from the
// network; trust is decided by this computer's certificate store.
class CmsMessage
{
public:
    enum class Type { Invalid, Signed, Enveloped, Other };

    // From the DER bytes of an smime.p7m. Invalid, with error(), when they
    // are damaged or truncated.
    static CmsMessage fromDer(const QByteArray& der);
    // From a whole multipart/signed entity: the signature part is read, and
    // *signedContent receives the signed part as the signature covers it.
    static CmsMessage fromSignedEntity(const QByteArray& entity, QByteArray* signedContent);

    Type type() const { return m_type; }
    QString error() const { return m_error; }

    // The content a SignedData carries (opaque signing); null when detached.
    QByteArray content() const;
    // Checks every signature over the carried content, or over `detached`
    // when given; one entry per signer.
    QList<SmimeSignature> verify(const QByteArray* detached = nullptr) const;
    // Whom an EnvelopedData is encrypted for.
    QList<SmimeRecipient> recipients() const;
    // Decrypts an EnvelopedData in memory; false with *error when the key is
    // not one of the recipients' or the data is damaged.
    bool decrypt(const SmimeKey& key, QByteArray* plain, QString* error) const;

private:
    static CmsMessage fromInfo(CMS_ContentInfo_st* info);
    std::shared_ptr<CMS_ContentInfo_st> m_info;
    Type m_type = Type::Invalid;
    QString m_error;
};
