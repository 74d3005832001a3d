// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstItem.h"

#include <QDate>

// An appointment (message class "IPM.Appointment"); every value lives in the
// property map.
class PstCalendarItem : public PstItem
{
public:
    // Empty when the record is null or has no appointment part.
    static std::shared_ptr<PstCalendarItem> creteFromPstItem(pst_desc_tree* node, pst_item* record);

    ItemType type() const override { return Calendar; }
    QString icon() const override;
    // "1 d 2 h 30 m", "1 h 30 m", "45 m" in the user's language: the span
    // from start to end; "All day" (or "All day, 3 days") for all-day events.
    QString duration() const override;
    std::shared_ptr<PstItem> clone() const override;
    // Three sections with all their rows, empty values included.
    QList<InfoSection> sections() const override;

    // Start and end in local time with `format`; "" when missing.
    QString startDate(const QString& format) const;
    QString endDate(const QString& format) const;

    bool isAllDay() const;
    // An all-day event's first and last day, whichever zone stored its midnights.
    QDate firstDay() const;
    QDate lastDay() const;

private:
    int allDayCount() const;
};
