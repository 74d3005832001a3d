// SPDX-License-Identifier: GPL-2.0-or-later
#include "SmimeKey.h"

#include "CertificateText.h"

#include <QFile>
#include <QObject>

#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pkcs12.h>
#include <openssl/provider.h>
#include <openssl/x509.h>

#include <mutex>

namespace {

// Keys exported by older Windows versions are protected with RC2 or 3DES,
// which OpenSSL 3 keeps in its legacy provider.
void loadLegacyAlgorithms()
{
    static std::once_flag once;
    std::call_once(once, [] {
        OSSL_PROVIDER_load(nullptr, "legacy");
        OSSL_PROVIDER_load(nullptr, "default");
        ERR_clear_error();
    });
}

bool parse(const QByteArray& data, const QByteArray& password, EVP_PKEY** key, X509** certificate)
{
    const unsigned char* cursor = reinterpret_cast<const unsigned char*>(data.constData());
    PKCS12* p12 = d2i_PKCS12(nullptr, &cursor, long(data.size()));
    if (!p12)
        return false;
    // PKCS12_parse wants the password NUL-terminated; QByteArray keeps one.
    const bool parsed = PKCS12_parse(p12, password.constData(), key, certificate, nullptr) == 1;
    PKCS12_free(p12);
    return parsed;
}

} // namespace

SmimeKey::SmimeKey(evp_pkey_st* key, x509_st* certificate)
    : m_key(key)
    , m_certificate(certificate)
{
}

SmimeKey::~SmimeKey()
{
    EVP_PKEY_free(m_key);
    X509_free(m_certificate);
}

std::shared_ptr<SmimeKey> SmimeKey::fromPkcs12(const QByteArray& data, const QByteArray& password, QString* error)
{
    EVP_PKEY* key = nullptr;
    X509* certificate = nullptr;
    bool parsed = parse(data, password, &key, &certificate);
    if (!parsed) {
        ERR_clear_error();
        loadLegacyAlgorithms();
        parsed = parse(data, password, &key, &certificate);
    }
    if (!parsed || !key || !certificate) {
        const char* reason = ERR_reason_error_string(ERR_peek_last_error());
        const QString why = QString::fromLatin1(reason ? reason : "unknown");
        ERR_clear_error();
        EVP_PKEY_free(key);
        X509_free(certificate);
        if (error) {
            *error = parsed ? QObject::tr("The key file holds no private key with its certificate.")
                            : QObject::tr("The key file could not be opened: wrong password or not a PKCS #12 file (%1).")
                                  .arg(why);
        }
        return nullptr;
    }
    return std::shared_ptr<SmimeKey>(new SmimeKey(key, certificate));
}

std::shared_ptr<SmimeKey> SmimeKey::fromPkcs12File(const QString& path, const QByteArray& password, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QObject::tr("The key file %1 cannot be read: %2").arg(path, file.errorString());
        return nullptr;
    }
    QByteArray data = file.readAll();
    auto key = fromPkcs12(data, password, error);
    data.fill('\0');
    return key;
}

QString SmimeKey::name() const
{
    return CertificateText::commonName(m_certificate);
}
