// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstDescription.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Signed and encrypted mails made with the openssl command in a test's
// temporary folder: a test CA, a signer and a recipient it certified, a
// stranger with a key of its own, and a signer whose certificate name is
// hostile. Messages come as Outlook keeps them in smime.p7m.
class SmimeFixture
{
public:
    enum class Body { Plain, Html, Attachment, Latin1, AttachedMail };
    static const QByteArray kPassword;

    explicit SmimeFixture(const QString& folder);
    bool isReady() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    // A file in the folder: ca.pem, signer.pem, recipient.pem, recipient.key,
    // recipient.p12, stranger.p12, hostile.pem, ...
    QString path(const QString& name) const;

    // A MIME message (CRLF lines) and a phrase its body shows.
    static QByteArray content(Body body);
    static QString phrase(Body body);
    // Names of the parts that are not the body.
    static QStringList attachmentNames(Body body);

    // The multipart/signed entity (headers included, CRLF).
    QByteArray clearSigned(const QByteArray& content, const QString& signer = QStringLiteral("signer"));
    // CMS SignedData carrying the content, DER.
    QByteArray opaqueSigned(const QByteArray& content);
    // CMS EnvelopedData for the recipient, DER.
    QByteArray encrypted(const QByteArray& content);
    // Signed (as an application/pkcs7-mime entity), then encrypted.
    QByteArray signedThenEncrypted(const QByteArray& content);

    // The bytes with the first occurrence of `needle` changed in one byte.
    static QByteArray tampered(QByteArray bytes, const QByteArray& needle);

    // A mail as Outlook keeps it: class, headers, sender and one smime.p7m.
    static PstMessage outlookMessage(const QString& subject, const QString& messageClass, const QByteArray& wrapper);

    // Runs openssl in the folder; the output on success, null otherwise.
    QByteArray openssl(const QStringList& args, const QByteArray& input = QByteArray());

private:
    bool makeCertificate(const QString& name, const QString& subject, const QString& address);

    QString m_folder;
    QString m_error;
};
