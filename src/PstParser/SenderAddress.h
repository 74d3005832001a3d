// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <libpst/libpst.h>

// The sender's address as a user writes it: a plain SMTP address, never an
// address-type prefix ("SMTP:...") nor an Exchange directory name.
class SenderAddress
{
public:
    // The first of: the sent-representing or sender address when it is an
    // SMTP address; the SMTP address the message keeps for an Exchange
    // sender (read from node when libpst does not carry it); the address
    // inside an "SMTP:" search key. Empty when the message has none of
    // these, null when it names no sender address at all.
    static QString ofRecord(pst_file* file, pst_desc_tree* node, const pst_item* record, int codePage);

    // `text` without an "SMTP:" prefix (any case).
    static QString withoutAddressType(const QString& text);
};
