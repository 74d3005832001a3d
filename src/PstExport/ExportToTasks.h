// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ExportStrategy.h"

// Tasks as iCalendar files (.ics) holding one VTODO each. Its format key is
// "tasks"; the values libpst does not carry are read from the task's node.
class ExportToTasks : public ExportStrategy
{
public:
    using ExportStrategy::ExportStrategy;

    bool exportItem(pst_item* item, const QString& outputDir, CancelToken* token,
                    std::function<void(int)> progress) override;
    QString type() const override { return QStringLiteral("ics"); }
    QString formatKey() const override { return QStringLiteral("tasks"); }
};
