// SPDX-License-Identifier: GPL-2.0-or-later
#include "CertificateText.h"

#include <QByteArray>

#include <openssl/asn1.h>
#include <openssl/bio.h>
#include <openssl/bn.h>
#include <openssl/crypto.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

namespace {

QString utf8(const ASN1_STRING* value)
{
    unsigned char* text = nullptr;
    const int length = value ? ASN1_STRING_to_UTF8(&text, value) : -1;
    if (length < 0)
        return QString();
    const QString result = QString::fromUtf8(reinterpret_cast<const char*>(text), length);
    OPENSSL_free(text);
    return result;
}

} // namespace

QString CertificateText::clean(const QString& text)
{
    QString result = text.left(kMaxLength);
    for (QChar& c : result) {
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Other_Format
            || category == QChar::Separator_Line || category == QChar::Separator_Paragraph)
            c = QChar::ReplacementCharacter;
    }
    return result;
}

QString CertificateText::commonName(x509_st* certificate)
{
    if (!certificate)
        return QString();
    X509_NAME* subject = X509_get_subject_name(certificate);
    const int index = X509_NAME_get_index_by_NID(subject, NID_commonName, -1);
    if (index >= 0)
        return clean(utf8(X509_NAME_ENTRY_get_data(X509_NAME_get_entry(subject, index))));
    return name(subject);
}

QString CertificateText::emailAddress(x509_st* certificate)
{
    if (!certificate)
        return QString();
    QString address;
    STACK_OF(OPENSSL_STRING)* addresses = X509_get1_email(certificate);
    if (addresses && sk_OPENSSL_STRING_num(addresses) > 0)
        address = QString::fromUtf8(sk_OPENSSL_STRING_value(addresses, 0));
    X509_email_free(addresses);
    return clean(address);
}

QString CertificateText::name(X509_name_st* name)
{
    if (!name)
        return QString();
    BIO* out = BIO_new(BIO_s_mem());
    if (!out)
        return QString();
    X509_NAME_print_ex(out, name, 0, XN_FLAG_RFC2253 & ~ASN1_STRFLGS_ESC_MSB);
    char* data = nullptr;
    const long length = BIO_get_mem_data(out, &data);
    const QString text = QString::fromUtf8(data, int(qMin<long>(length, kMaxLength * 4)));
    BIO_free(out);
    return clean(text);
}

QString CertificateText::serial(const asn1_string_st* number)
{
    if (!number)
        return QString();
    BIGNUM* value = ASN1_INTEGER_to_BN(number, nullptr);
    if (!value)
        return QString();
    char* hexText = BN_bn2hex(value);
    const QString text = hexText ? QString::fromLatin1(hexText) : QString();
    OPENSSL_free(hexText);
    BN_free(value);
    return clean(text);
}

QString CertificateText::hex(const asn1_string_st* octets)
{
    if (!octets)
        return QString();
    const QByteArray bytes(reinterpret_cast<const char*>(ASN1_STRING_get0_data(octets)),
                           qMin(ASN1_STRING_length(octets), kMaxLength / 2));
    return QString::fromLatin1(bytes.toHex().toUpper());
}
