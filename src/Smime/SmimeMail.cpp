// SPDX-License-Identifier: GPL-2.0-or-later
#include "SmimeMail.h"

#include "Log.h"
#include "PstMailItem.h"
#include "ReparsedRecord.h"
#include "SmimeKeyring.h"
#include "SmimeReader.h"
#include "SmimeStatusText.h"

#include <cstring>

namespace {

const char kSmimeClass[] = "IPM.Note.SMIME";

bool isWrapperName(const QString& name)
{
    return name.compare(SmimeMail::kWrapperName, Qt::CaseInsensitive) == 0;
}

// The attachment's name as the writer stored it (long name, else short).
QString storedName(pst_item_attach* attachment)
{
    const char* name = attachment->filename2.str ? attachment->filename2.str : attachment->filename1.str;
    return name ? QString::fromUtf8(name) : QString();
}

// Outlook's S/MIME classes, or a mail without bodies that carries only the wrapper.
bool isSmimeRecord(const pst_item* record)
{
    const char* messageClass = record->ascii_type;
    if (messageClass && strncasecmp(messageClass, kSmimeClass, sizeof(kSmimeClass) - 1) == 0)
        return true;
    return !record->body.str && !(record->email && record->email->htmlbody.str);
}

} // namespace

const QString SmimeMail::kWrapperName = QStringLiteral("smime.p7m");

bool SmimeMail::isSmime(const PstMailItem& mail)
{
    if (!mail.hasAttachment())
        return false;
    const auto attachments = mail.attachments();
    return attachments.size() == 1 && !attachments.first()->embedded && isWrapperName(attachments.first()->name);
}

QByteArray SmimeMail::wrapper(const PstMailItem& mail)
{
    if (!isSmime(mail))
        return QByteArray();
    // Reading attachments does not change the item; the file is reached
    // through it under its document's lock.
    ReparsedRecord reparsed(const_cast<PstMailItem&>(mail));
    const pst_item* record = reparsed.record();
    if (!record || !isSmimeRecord(record))
        return QByteArray();
    for (pst_item_attach* attachment = record->attach; attachment; attachment = attachment->next) {
        if (isWrapperName(storedName(attachment))) {
            QByteArray data = reparsed.attachmentData(attachment);
            // An empty smime.p7m is still one: it is reported as damaged.
            if (data.isNull())
                data = QByteArray("");
            return data;
        }
    }
    return QByteArray();
}

SmimeContent SmimeMail::read(const PstMailItem& mail, const SmimeKey* key)
{
    const QByteArray data = wrapper(mail);
    if (data.isNull())
        return SmimeContent();
    SmimeContent content = SmimeReader::read(data, key);
    // Without a key of its own, the keys chosen in this session are tried.
    if (!key && content.encrypted && !content.decrypted) {
        for (const auto& known : SmimeKeyring::keys()) {
            SmimeContent decrypted = SmimeReader::read(data, known.get());
            if (decrypted.decrypted) {
                content = decrypted;
                break;
            }
        }
    }
    if (!content.error.isEmpty())
        Log::warn(QStringLiteral("S/MIME mail %1: %2").arg(mail.fileId()).arg(content.error));
    return content;
}

QString SmimeMail::page(const SmimeContent& content)
{
    if (!content.html.isEmpty())
        return content.html;
    if (!content.text.isEmpty())
        return PstMailItem::plainTextPage(content.text);
    return QString();
}
