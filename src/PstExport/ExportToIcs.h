// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ExportStrategy.h"

#include <memory>

class CalendarBridge;
struct ical_event_extras;

// Appointments as one iCalendar VEVENT each (.ics).
class ExportToIcs : public ExportStrategy
{
public:
    explicit ExportToIcs(bool appMode);
    ~ExportToIcs() override;

    bool exportItem(pst_item* item, const QString& outputDir, CancelToken* token,
                    std::function<void(int)> progress) override;
    QString type() const override { return QStringLiteral("ics"); }
    // Stores the events still queued for the calendar; returns those lost.
    int finishAppRun() override;

private:
    // App mode: the appointment goes to the platform calendar, not to a file.
    bool handToCalendar(pst_item* item, CancelToken* token, const std::function<void(int)>& progress);
    // The item's attachments and its series' exceptions, from the open file.
    ical_event_extras extrasFor(pst_item* item) const;

    // The run's connection to the desktop calendar, made at the first event.
    std::unique_ptr<CalendarBridge> m_calendar;
};
