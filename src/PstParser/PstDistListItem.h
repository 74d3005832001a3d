// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstItem.h"

#include <optional>

// A distribution list (message class "IPM.DistList"): a named group of
// addresses, shown among the contacts.
class PstDistListItem : public PstItem
{
public:
    struct Member
    {
        QString name;
        QString address;
    };

    // Empty for a null record. Members are read from the message's own
    // properties, which libpst does not carry; `file` may be null for
    // a list without them.
    static std::shared_ptr<PstDistListItem> creteFromPstItem(pst_file* file, pst_desc_tree* node,
                                                             pst_item* record);
    // The members stored in one one-off entry id; empty when it is not one.
    static std::optional<Member> memberFromOneOff(const QByteArray& entryId, int codePage = 0);

    ItemType type() const override { return Contact; }
    QString subject() const override;
    QString icon() const override;
    std::shared_ptr<PstItem> clone() const override;
    // The list's name, then one row per member: name and address.
    QList<InfoSection> sections() const override;

    QList<Member> members() const;
    void setMembers(const QList<Member>& members);
};
