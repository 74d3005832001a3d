// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ExportStrategy.h"

// Appointments as one iCalendar VEVENT each (.ics).
class ExportToIcs : public ExportStrategy
{
public:
    using ExportStrategy::ExportStrategy;

    bool exportItem(pst_item* item, const QString& outputDir, CancelToken* token,
                    std::function<void(int)> progress) override;
    QString type() const override { return QStringLiteral("ics"); }

private:
    // App mode: the appointment goes to the platform calendar, not to a file.
    bool handToCalendar(pst_item* item, CancelToken* token, const std::function<void(int)>& progress);
};
