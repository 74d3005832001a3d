// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

struct evp_pkey_st;
struct x509_st;

// A private key with its certificate, read from a PKCS #12 file the user
// chose. Kept in memory only: neither the key nor its password is ever
// written to disk or to the log.
class SmimeKey
{
public:
    ~SmimeKey();
    SmimeKey(const SmimeKey&) = delete;
    SmimeKey& operator=(const SmimeKey&) = delete;

    // Empty, with *error set, when the data is no PKCS #12 file, the password
    // is wrong or the file holds no key with a certificate. The caller should
    // wipe its copy of the password afterwards.
    static std::shared_ptr<SmimeKey> fromPkcs12(const QByteArray& data, const QByteArray& password,
                                                QString* error);
    // Reads the file first; the same failures, and an unreadable file.
    static std::shared_ptr<SmimeKey> fromPkcs12File(const QString& path, const QByteArray& password,
                                                    QString* error);

    evp_pkey_st* privateKey() const { return m_key; }
    x509_st* certificate() const { return m_certificate; }
    // The certificate's name, for messages.
    QString name() const;

private:
    SmimeKey(evp_pkey_st* key, x509_st* certificate);
    evp_pkey_st* m_key = nullptr;
    x509_st* m_certificate = nullptr;
};
