// SPDX-License-Identifier: GPL-2.0-or-later
#include "CmsMessage.h"

#include "CertificateText.h"
#include "SmimeKey.h"

#include <QObject>

#include <openssl/bio.h>
#include <openssl/cms.h>
#include <openssl/err.h>
#include <openssl/objects.h>
#include <openssl/x509.h>
#include <openssl/x509_vfy.h>

#include <ctime>

namespace {

using BioPtr = std::unique_ptr<BIO, decltype(&BIO_free)>;

BioPtr memoryBio(const QByteArray& data)
{
    return BioPtr(BIO_new_mem_buf(data.constData(), int(data.size())), &BIO_free);
}

BioPtr outputBio()
{
    return BioPtr(BIO_new(BIO_s_mem()), &BIO_free);
}

QByteArray bioBytes(BIO* bio)
{
    char* data = nullptr;
    const long length = BIO_get_mem_data(bio, &data);
    return length > 0 ? QByteArray(data, qsizetype(length)) : QByteArray();
}

// The last reason OpenSSL gave, with the queue emptied.
QString lastError(unsigned long* code = nullptr)
{
    unsigned long last = 0;
    while (const unsigned long next = ERR_get_error())
        last = next;
    if (code)
        *code = last;
    const char* reason = last ? ERR_reason_error_string(last) : nullptr;
    return reason ? QString::fromLatin1(reason) : QObject::tr("unknown error");
}

QDateTime signingTime(CMS_SignerInfo* signer)
{
    const int index = CMS_signed_get_attr_by_NID(signer, NID_pkcs9_signingTime, -1);
    X509_ATTRIBUTE* attribute = index >= 0 ? CMS_signed_get_attr(signer, index) : nullptr;
    ASN1_TYPE* value = attribute ? X509_ATTRIBUTE_get0_type(attribute, 0) : nullptr;
    if (!value || (value->type != V_ASN1_UTCTIME && value->type != V_ASN1_GENERALIZEDTIME))
        return QDateTime();
    struct tm utc = {};
    if (ASN1_TIME_to_tm(value->value.utctime, &utc) != 1)
        return QDateTime();
    return QDateTime::fromSecsSinceEpoch(qint64(timegm(&utc)), Qt::UTC);
}

// Whether the certificate chains to a root in this computer's store, at the
// time it signed (old mail outlives its certificates).
void checkTrust(X509* certificate, STACK_OF(X509)* untrusted, SmimeSignature& signature)
{
    X509_STORE* store = X509_STORE_new();
    X509_STORE_CTX* context = X509_STORE_CTX_new();
    bool trusted = false;
    if (store && context && X509_STORE_set_default_paths(store) == 1
        && X509_STORE_CTX_init(context, store, certificate, untrusted) == 1) {
        X509_STORE_CTX_set_purpose(context, X509_PURPOSE_SMIME_SIGN);
        if (signature.signingTime.isValid())
            X509_STORE_CTX_set_time(context, 0, time_t(signature.signingTime.toSecsSinceEpoch()));
        trusted = X509_verify_cert(context) == 1;
        if (!trusted)
            signature.trustProblem = QString::fromLatin1(
                X509_verify_cert_error_string(X509_STORE_CTX_get_error(context)));
    } else {
        signature.trustProblem = lastError();
    }
    signature.trusted = trusted;
    X509_STORE_CTX_free(context);
    X509_STORE_free(store);
    ERR_clear_error();
}

SmimeSignature describeSigner(CMS_SignerInfo* info, STACK_OF(X509)* certificates)
{
    SmimeSignature signature;
    signature.signingTime = signingTime(info);
    X509* certificate = nullptr;
    CMS_SignerInfo_get0_algs(info, nullptr, &certificate, nullptr, nullptr);
    if (certificate) {
        signature.signerName = CertificateText::commonName(certificate);
        signature.signerAddress = CertificateText::emailAddress(certificate);
        checkTrust(certificate, certificates, signature);
    } else {
        ASN1_OCTET_STRING* keyId = nullptr;
        X509_NAME* issuer = nullptr;
        ASN1_INTEGER* serial = nullptr;
        CMS_SignerInfo_get0_signer_id(info, &keyId, &issuer, &serial);
        signature.signerName = issuer ? QObject::tr("%1, serial number %2")
                                            .arg(CertificateText::name(issuer), CertificateText::serial(serial))
                                      : CertificateText::hex(keyId);
        signature.trustProblem = QObject::tr("the signer's certificate is not in the mail");
    }
    return signature;
}

SmimeRecipient recipientOf(ASN1_OCTET_STRING* keyId, X509_NAME* issuer, ASN1_INTEGER* serial)
{
    SmimeRecipient recipient;
    recipient.issuer = CertificateText::name(issuer);
    recipient.serial = CertificateText::serial(serial);
    recipient.keyId = CertificateText::hex(keyId);
    return recipient;
}

// Whether the certificate is one the message was encrypted for; a key
// agreement recipient may be, so it counts as one.
bool isRecipient(CMS_ContentInfo* info, X509* certificate)
{
    STACK_OF(CMS_RecipientInfo)* infos = CMS_get0_RecipientInfos(info);
    for (int i = 0; i < sk_CMS_RecipientInfo_num(infos); ++i) {
        CMS_RecipientInfo* recipient = sk_CMS_RecipientInfo_value(infos, i);
        const int type = CMS_RecipientInfo_type(recipient);
        if (type != CMS_RECIPINFO_TRANS || CMS_RecipientInfo_ktri_cert_cmp(recipient, certificate) == 0)
            return true;
    }
    ERR_clear_error();
    return false;
}

} // namespace

CmsMessage CmsMessage::fromInfo(CMS_ContentInfo_st* info)
{
    CmsMessage message;
    if (!info) {
        message.m_error = lastError();
        return message;
    }
    message.m_info.reset(info, &CMS_ContentInfo_free);
    switch (OBJ_obj2nid(CMS_get0_type(info))) {
    case NID_pkcs7_signed:
        message.m_type = Type::Signed;
        break;
    case NID_pkcs7_enveloped:
    case NID_id_smime_ct_authEnvelopedData:
        message.m_type = Type::Enveloped;
        break;
    default:
        message.m_type = Type::Other;
        break;
    }
    return message;
}

CmsMessage CmsMessage::fromDer(const QByteArray& der)
{
    ERR_clear_error();
    const BioPtr in = memoryBio(der);
    return fromInfo(in ? d2i_CMS_bio(in.get(), nullptr) : nullptr);
}

CmsMessage CmsMessage::fromSignedEntity(const QByteArray& entity, QByteArray* signedContent)
{
    ERR_clear_error();
    const BioPtr in = memoryBio(entity);
    BIO* content = nullptr;
    CmsMessage message = fromInfo(in ? SMIME_read_CMS(in.get(), &content) : nullptr);
    if (content && signedContent)
        *signedContent = bioBytes(content);
    BIO_free(content);
    if (message.m_type == Type::Signed && signedContent && signedContent->isNull()) {
        message.m_error = QObject::tr("the signed part is missing");
        message.m_type = Type::Invalid;
    }
    return message;
}

QByteArray CmsMessage::content() const
{
    if (m_type != Type::Signed)
        return QByteArray();
    ASN1_OCTET_STRING** content = CMS_get0_content(m_info.get());
    if (!content || !*content)
        return QByteArray();
    return QByteArray(reinterpret_cast<const char*>(ASN1_STRING_get0_data(*content)),
                      ASN1_STRING_length(*content));
}

QList<SmimeSignature> CmsMessage::verify(const QByteArray* detached) const
{
    QList<SmimeSignature> signatures;
    if (m_type != Type::Signed)
        return signatures;
    CMS_ContentInfo* info = m_info.get();
    ERR_clear_error();
    // The mathematics first, without the certificate chain: an untrusted
    // signer still has a valid signature.
    BioPtr content = detached ? memoryBio(*detached) : BioPtr(nullptr, &BIO_free);
    // The content itself is read apart (content()): nothing to keep here.
    const BioPtr sink(BIO_new(BIO_s_null()), &BIO_free);
    const unsigned int flags = CMS_NO_SIGNER_CERT_VERIFY | (detached ? 0 : CMS_BINARY);
    const bool valid = CMS_verify(info, nullptr, nullptr, content.get(), sink.get(), flags) == 1;
    unsigned long code = 0;
    const QString problem = valid ? QString() : lastError(&code);
    // The digest of the content or the signature over the signed
    // attributes does not match: what was signed is not what is here.
    const int reason = ERR_GET_REASON(code);
    const bool changed = !valid && (reason == CMS_R_CONTENT_VERIFY_ERROR || reason == CMS_R_VERIFICATION_FAILURE);

    CMS_set1_signers_certs(info, nullptr, 0);
    ERR_clear_error();
    STACK_OF(X509)* certificates = CMS_get1_certs(info);
    STACK_OF(CMS_SignerInfo)* infos = CMS_get0_SignerInfos(info);
    for (int i = 0; i < sk_CMS_SignerInfo_num(infos); ++i) {
        SmimeSignature signature = describeSigner(sk_CMS_SignerInfo_value(infos, i), certificates);
        signature.valid = valid;
        signature.problem = problem;
        signature.contentChanged = changed;
        signatures.append(signature);
    }
    sk_X509_pop_free(certificates, X509_free);
    if (signatures.isEmpty()) {
        SmimeSignature none;
        none.problem = valid ? QObject::tr("the signature names no signer") : problem;
        signatures.append(none);
    }
    return signatures;
}

QList<SmimeRecipient> CmsMessage::recipients() const
{
    QList<SmimeRecipient> result;
    if (m_type != Type::Enveloped)
        return result;
    STACK_OF(CMS_RecipientInfo)* infos = CMS_get0_RecipientInfos(m_info.get());
    for (int i = 0; i < sk_CMS_RecipientInfo_num(infos); ++i) {
        CMS_RecipientInfo* info = sk_CMS_RecipientInfo_value(infos, i);
        ASN1_OCTET_STRING* keyId = nullptr;
        X509_NAME* issuer = nullptr;
        ASN1_INTEGER* serial = nullptr;
        if (CMS_RecipientInfo_type(info) == CMS_RECIPINFO_TRANS) {
            if (CMS_RecipientInfo_ktri_get0_signer_id(info, &keyId, &issuer, &serial) == 1)
                result.append(recipientOf(keyId, issuer, serial));
        } else if (CMS_RecipientInfo_type(info) == CMS_RECIPINFO_AGREE) {
            STACK_OF(CMS_RecipientEncryptedKey)* keys = CMS_RecipientInfo_kari_get0_reks(info);
            for (int k = 0; k < sk_CMS_RecipientEncryptedKey_num(keys); ++k) {
                if (CMS_RecipientEncryptedKey_get0_id(sk_CMS_RecipientEncryptedKey_value(keys, k), &keyId,
                                                      nullptr, nullptr, &issuer, &serial) == 1)
                    result.append(recipientOf(keyId, issuer, serial));
            }
        }
    }
    ERR_clear_error();
    return result;
}

bool CmsMessage::decrypt(const SmimeKey& key, QByteArray* plain, QString* error) const
{
    if (m_type != Type::Enveloped) {
        if (error)
            *error = QObject::tr("the mail is not encrypted");
        return false;
    }
    if (!isRecipient(m_info.get(), key.certificate())) {
        if (error)
            *error = QObject::tr("the key's certificate is not among the recipients");
        return false;
    }
    ERR_clear_error();
    const BioPtr out = outputBio();
    // Naming the certificate makes OpenSSL pick the matching recipient and
    // fail plainly for a key that is not one of them.
    const bool decrypted = CMS_decrypt(m_info.get(), key.privateKey(), key.certificate(), nullptr, out.get(), 0) == 1;
    if (!decrypted) {
        if (error)
            *error = lastError();
        return false;
    }
    *plain = bioBytes(out.get());
    return true;
}
