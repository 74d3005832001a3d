// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstItem.h"

// A sticky note (message class "IPM.StickyNote"): its text, subject and two dates.
class PstNoteItem : public PstItem
{
public:
    // Empty unless the record is of libpst's sticky-note type.
    static std::shared_ptr<PstNoteItem> creteFromPstItem(pst_desc_tree* node, pst_item* record);

    ItemType type() const override { return Note; }
    QString icon() const override;
    std::shared_ptr<PstItem> clone() const override;
    // The note's text.
    QList<InfoSection> sections() const override;

    // "MMM dd, yyyy 'at' hh:mm AP" in local time; "" when missing.
    QString createDate() const;
    QString modifyDate() const;
};
