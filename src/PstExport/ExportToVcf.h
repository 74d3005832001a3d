// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ExportStrategy.h"

class PstDistListItem;

// Contacts and distribution lists as vCard 3.0 (.vcf); in app mode all contacts of a run go into one file.
class ExportToVcf : public ExportStrategy
{
public:
    using ExportStrategy::ExportStrategy;

    bool exportItem(pst_item* item, const QString& outputDir, CancelToken* token,
                    std::function<void(int)> progress) override;
    QString type() const override { return QStringLiteral("vcf"); }

private:
    // A distribution list, as Evolution's address book imports lists.
    static void writeList(FILE* out, const PstDistListItem& list);
    // App mode: every contact of the run is appended to one contact.vcf.
    FILE* openContactsFile(pst_item* item, const QString& outputDir, CancelToken* token);
};
