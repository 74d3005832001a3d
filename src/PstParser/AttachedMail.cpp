// SPDX-License-Identifier: GPL-2.0-or-later
#include "AttachedMail.h"

#include "Log.h"
#include "PstDataConverter.h"
#include "PstMailItem.h"
#include "ReparsedRecord.h"
#include "readpst.h"

#include <QFile>
#include <QRegularExpression>

#include <cstdio>

std::shared_ptr<PstMailItem> AttachedMail::open(const std::shared_ptr<PstMailItem>& container,
                                                const Attachment& attachment)
{
    if (!container || !attachment.embedded || attachment.recordIndex < 0)
        return nullptr;
    // A stand-in that names the way to the attached record.
    auto probe = std::make_shared<PstMailItem>();
    probe->setNodeLevel(container->nodeLevel() + 1);
    probe->setPstTree(container->pstTree());
    probe->setEmbedPath(container->embedPath() << attachment.recordIndex);
    probe->setParent(container);
    ReparsedRecord reparsed(*probe);
    pst_item* record = reparsed.record();
    std::shared_ptr<PstMailItem> mail = PstMailItem::creteFromPstItem(reparsed.node(), record);
    if (!mail) {
        Log::warn(QStringLiteral("Cannot read the mail attached to d_id=%1.").arg(container->fileId()));
        return nullptr;
    }
    mail->setFileId(container->fileId());
    mail->setNodeLevel(container->nodeLevel() + 1);
    mail->setPstTree(container->pstTree());
    mail->setEmbedPath(probe->embedPath());
    mail->setParent(container);
    mail->setDisplayName(mail->sender());
    mail->parserAttach(reparsed.file(), record->attach, PstDataConverter::recordCodePage(record));
    return mail;
}

bool AttachedMail::saveAsEml(const std::shared_ptr<PstMailItem>& attached, const QString& path)
{
    if (!attached)
        return false;
    ReparsedRecord reparsed(*attached);
    pst_item* record = reparsed.record();
    if (!record || !record->email) {
        Log::warn(QStringLiteral("Attached mail save failed: the mail cannot be read."));
        return false;
    }
    FILE* out = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!out) {
        Log::warn(QStringLiteral("Attached mail save failed: cannot write %1.").arg(path));
        return false;
    }
    char* extraMimeHeaders = nullptr;
    write_normal_email(out, nullptr, record, 0, 0, reparsed.file(), 1, 0, &extraMimeHeaders);
    const bool written = std::ferror(out) == 0;
    if (std::fclose(out) != 0 || !written) {
        QFile::remove(path);
        Log::warn(QStringLiteral("Attached mail save failed: cannot write %1.").arg(path));
        return false;
    }
    Log::info(QStringLiteral("Attached mail saved successfully."));
    return true;
}

QString AttachedMail::fileName(const PstMailItem& attached)
{
    static const QRegularExpression unsafe(QStringLiteral("[\\x00-\\x1F\\x7F/\\\\:*?\"<>|]+"));
    // Named after the subject without its prefix, as saved mails always were.
    static const QRegularExpression prefix(QStringLiteral("^[^\\d\\s:]{1,3}:\\s+"));
    QString name = attached.subject().remove(prefix).replace(unsafe, QStringLiteral(" ")).simplified().left(120);
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    return (name.isEmpty() ? QStringLiteral("mail") : name) + QStringLiteral(".eml");
}
