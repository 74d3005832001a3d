// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ExportStrategy.h"

// Journal entries as iCalendar VJOURNAL (.ics).
class ExportToIcs2 : public ExportStrategy
{
public:
    using ExportStrategy::ExportStrategy;

    bool exportItem(pst_item* item, const QString& outputDir, CancelToken* token,
                    std::function<void(int)> progress) override;
    QString type() const override { return QStringLiteral("ics"); }
    QString formatKey() const override { return QStringLiteral("ics2"); }
};
