// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// What a signature says about its mail. "valid" is the mathematics only: the
// content is exactly what the signer signed. "trusted" is separate: the
// signer's certificate chains to a root this computer trusts.
struct SmimeSignature
{
    QString signerName;
    QString signerAddress;
    // Invalid when the signature states no signing time.
    QDateTime signingTime;
    bool valid = false;
    // Why it is not valid (OpenSSL's reason, English); empty when valid.
    QString problem;
    // The content changed after signing (as opposed to a signature that
    // could not be checked at all, e.g. without the signer's certificate).
    bool contentChanged = false;
    bool trusted = false;
    // Why the certificate is not trusted (OpenSSL's reason); empty when trusted.
    QString trustProblem;
};

// One recipient an encrypted mail was encrypted for.
struct SmimeRecipient
{
    // The certificate's issuer and serial number (hex), or its subject key id.
    QString issuer;
    QString serial;
    QString keyId;
};

// One part of the unwrapped message that is not its body.
struct SmimePart
{
    QString name;
    QString mimeType;
    QString contentId;
    QByteArray data;
    // An attached mail (message/rfc822), data is the whole message.
    bool message = false;
};

// An S/MIME mail unwrapped: its kind, signature and encryption, and the
// content of the message inside. Held in memory only.
struct SmimeContent
{
    enum class Kind { None, ClearSigned, OpaqueSigned, Encrypted };
    Kind kind = Kind::None;
    // The signatures met on the way in (usually one).
    QList<SmimeSignature> signatures;
    bool encrypted = false;
    QList<SmimeRecipient> recipients;
    bool decrypted = false;
    // Why the content could not be read, decrypted or checked; empty when all went well.
    QString error;
    // The body: HTML (with inline pictures as data: URLs) or plain text.
    QString html;
    QString text;
    QString charset;
    QList<SmimePart> attachments;

    bool isSigned() const { return !signatures.isEmpty(); }
    bool hasBody() const { return !html.isEmpty() || !text.isEmpty(); }
};
