// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "SmimeContent.h"

#include <QByteArray>
#include <QString>

class PstMailItem;
class SmimeKey;

// The S/MIME mails of a PST file. Outlook keeps such a mail (class
// IPM.Note.SMIME, IPM.Note.SMIME.MultipartSigned) with empty bodies and one
// attachment, smime.p7m, holding the signed or encrypted message itself.
class SmimeMail
{
public:
    // The attachment name Outlook gives the wrapped message.
    static const QString kWrapperName;

    // Whether the mail looks like one (its only attachment is smime.p7m);
    // reads no more than the attachment list.
    static bool isSmime(const PstMailItem& mail);
    // The smime.p7m's bytes, read again from the file; null for any other mail.
    static QByteArray wrapper(const PstMailItem& mail);
    // Unwraps the mail, decrypting with `key` when given, else with the first
    // key of SmimeKeyring that fits; logs what failed,
    // never the key or the decrypted text.
    static SmimeContent read(const PstMailItem& mail, const SmimeKey* key = nullptr);
    // The page the mail view and printing show: the HTML body, else the text
    // body in the plain-text page; "" when there is no body.
    static QString page(const SmimeContent& content);
};
