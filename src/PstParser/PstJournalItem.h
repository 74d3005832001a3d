// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstItem.h"

// A journal entry (message class "IPM.Activity"): subject, times, entry type,
// notes and the activity's duration in minutes.
class PstJournalItem : public PstItem
{
public:
    // Empty when the record is null or has no journal part. The duration is
    // read from the message's own properties in the record's file (0 when
    // they cannot be read).
    static std::shared_ptr<PstJournalItem> creteFromPstItem(pst_desc_tree* node, pst_item* record);

    ItemType type() const override { return Journal; }
    QString icon() const override;
    // "1 d 2 h 5 m", "45 m"; "0 m" for no duration.
    QString duration() const override;
    std::shared_ptr<PstItem> clone() const override;
    // "Journal Entry" and "Notes", with all their rows.
    QList<InfoSection> sections() const override;

    void setDuration(unsigned long long minutes);
    unsigned long long durationMinutes() const { return m_duration; }
    // Start and end in local time with `format`; "" when missing.
    QString startDate(const QString& format) const;
    QString endDate(const QString& format) const;

private:
    unsigned long long m_duration = 0;
};
