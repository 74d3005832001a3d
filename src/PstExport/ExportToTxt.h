// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ExportStrategy.h"

// Sticky notes as plain UTF-8 text (.txt): dates, subject, then the text.
class ExportToTxt : public ExportStrategy
{
public:
    using ExportStrategy::ExportStrategy;

    bool exportItem(pst_item* item, const QString& outputDir, CancelToken* token,
                    std::function<void(int)> progress) override;
    QString type() const override { return QStringLiteral("txt"); }
};
