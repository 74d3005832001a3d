// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ExportStrategy.h"

#include <memory>

class CalendarBridge;

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

    // The run's connection to the desktop calendar, made at the first event.
    std::unique_ptr<CalendarBridge> m_calendar;
};
