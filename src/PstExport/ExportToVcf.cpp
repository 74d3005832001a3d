// SPDX-License-Identifier: GPL-2.0-or-later
#include "ExportToVcf.h"

#include "MimeCharset.h"
#include "CancelToken.h"
#include "Log.h"
#include "PstDistListItem.h"
#include "readpst.h"

#include <QFile>

#include <vector>

bool ExportToVcf::exportItem(pst_item* item, const QString& outputDir, CancelToken* token,
                             std::function<void(int)> progress)
{
    FILE* out = m_appMode ? openContactsFile(item, outputDir, token)
                          : openItemFile(item, item && item->contact, outputDir, token, QStringLiteral("contact"),
                                         QStringLiteral("Export failed: PST contact is empty."),
                                         QStringLiteral("Export vcf failed: unable to open output file %1."));
    if (!out)
        return false;
    if (const auto* list = dynamic_cast<const PstDistListItem*>(m_sourceItem)) {
        writeList(out, *list);
        return finishItemFile(out, progress);
    }
    // The writer converts the contact's own strings; the comment comes from
    // the item and may still be in the record's 8-bit code page.
    MimeCharset::convert(item, &item->comment, true);
    const QByteArray uid = itemUid();
    write_vcard(out, item, item->contact, item->comment.str, uid.isEmpty() ? nullptr : uid.constData());
    return finishItemFile(out, progress);
}

FILE* ExportToVcf::openContactsFile(pst_item* item, const QString& outputDir, CancelToken* token)
{
    if (!acceptItem(item, item && item->contact, token, QStringLiteral("Export failed: PST contact is empty.")))
        return nullptr;
    // The scratch directory of an app-mode run ends in a slash.
    const QString path = QStringLiteral("%1%2.%3").arg(outputDir, QStringLiteral("contact"), type());
    FILE* out = fopen(QFile::encodeName(path).constData(), "ab");
    if (!out)
        Log::warn(QStringLiteral("Export vcf failed: unable to open output file %1.").arg(path));
    return out;
}

void ExportToVcf::writeList(FILE* out, const PstDistListItem& list)
{
    const QList<PstDistListItem::Member> members = list.members();
    QList<QByteArray> texts;
    for (const PstDistListItem::Member& member : members)
        texts << member.name.toUtf8() << member.address.toUtf8();
    std::vector<list_member> rows;
    for (qsizetype i = 0; i + 1 < texts.size(); i += 2)
        rows.push_back({texts.at(i).constData(), texts.at(i + 1).constData()});
    const QByteArray name = list.displayName().toUtf8();
    const QByteArray note = list.property(QStringLiteral("note")).toString().toUtf8();
    write_list_vcard(out, name.constData(), rows.data(), rows.size(), note.constData());
}
