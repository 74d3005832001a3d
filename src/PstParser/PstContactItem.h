// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstItem.h"

// An address-book entry (message class "IPM.Contact"); every value lives in
// the property map.
class PstContactItem : public PstItem
{
public:
    // Empty when the record is null or has no contact part.
    static std::shared_ptr<PstContactItem> creteFromPstItem(pst_desc_tree* node, pst_item* record);
    // Stores the contact part's values; 8-bit ones decoded with `codePage`
    // when known. Does nothing for a null part.
    void extractContactInfo(pst_item_contact* contact, int codePage = 0);

    ItemType type() const override { return Contact; }
    // "First Last" as stored, or "Empty name" without either.
    QString displayName() const override;
    // The first e-mail address.
    QString subject() const override;
    QString icon() const override;
    std::shared_ptr<PstItem> clone() const override;
    // Nine sections grouped as an address book groups them, with all their
    // rows, empty values included.
    QList<InfoSection> sections() const override;

private:
    QString text(const char* key) const;
};
