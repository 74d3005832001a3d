// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "NodePropertyPeek.h"

#include <QString>

#include <functional>

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

    // The message's fields the address is chosen from, as libpst reads them.
    struct Fields
    {
        pst_string sentRepresentingType{};    // 0x0064
        pst_string sentRepresentingAddress{}; // 0x0065
        pst_string senderType{};              // 0x0C1E
        pst_string senderAddress{};           // 0x0C1F
        pst_string sentRepresentingSearchKey{}; // 0x003B
    };
    // The same from the fields; `properties` gives the node's own
    // properties, asked for only when the fields name no SMTP address.
    static QString of(const Fields& fields, int codePage, const std::function<NodePropertyPeek()>& properties);

    // `text` without an "SMTP:" prefix (any case).
    static QString withoutAddressType(const QString& text);
};
