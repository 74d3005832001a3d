// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ExportStrategy.h"

// Mails as RFC 822 MIME messages (.eml).
class ExportToEml : public ExportStrategy
{
public:
    using ExportStrategy::ExportStrategy;

    bool exportItem(pst_item* item, const QString& outputDir, CancelToken* token,
                    std::function<void(int)> progress) override;
    QString type() const override { return QStringLiteral("eml"); }
};
