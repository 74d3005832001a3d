// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "SmimeContent.h"

#include <QStringList>

// The words the mail view, printing and the command line use for an S/MIME
// mail's signature and encryption. Plain text: callers escape it for HTML.
class SmimeStatusText
{
public:
    // "Signed by NAME <ADDRESS> on DATE"; the signer part of a line.
    static QString signer(const SmimeSignature& signature);
    // "Signature valid", "Signature invalid: ...", or why it could not be checked.
    static QString validity(const SmimeSignature& signature);
    // "Certificate trusted on this computer" or why it is not.
    static QString trust(const SmimeSignature& signature);
    // "Encrypted for ..." and whether it was decrypted.
    static QString encryption(const SmimeContent& content);
    // A recipient as one line: issuer and serial number, or key id.
    static QString recipient(const SmimeRecipient& recipient);
    // One line per signature and one for encryption, then the error if any.
    static QStringList lines(const SmimeContent& content);
};
