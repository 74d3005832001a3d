// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstMailItem.h"

#include "FileTarget.h"
#include "Log.h"
#include "PstDataConverter.h"
#include "MessageBody.h"
#include "MeetingRequest.h"
#include "ReparsedRecord.h"
#include "SenderAddress.h"

#include <QDebug>
#include <QHash>
#include <QObject>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

namespace {

const QString kSubject = QStringLiteral("subject");
const QString kSender = QStringLiteral("sender");
const QString kSenderAddr = QStringLiteral("senderAddr");
const QString kRecipients = QStringLiteral("recipients");
const QString kCc = QStringLiteral("cc");
const QString kBcc = QStringLiteral("bcc");
const QString kSentDate = QStringLiteral("sentDate");
const QString kArrivalDate = QStringLiteral("arrivalDate");
const QString kReportTime = QStringLiteral("reportTime");
// Inlined pictures may make a page at most this long (128 MiB of text).
constexpr qsizetype kMaxInlinedPageChars = 64 * 1024 * 1024;

bool isImageName(const QString& name)
{
    static const QStringList imageSuffixes{".png", ".jpg", ".jpeg", ".gif", ".bmp"};
    for (const QString& suffix : imageSuffixes) {
        if (name.endsWith(suffix, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// Attachment names and content ids come as UTF-8 from Unicode files; ANSI
// files keep them in the writer's code page, which the record may declare.
// By value: libpst's records are packed, so a reference to one of their
// members may be misaligned.
QString attachmentText(pst_string value, int codePage)
{
    // pst_string is packed too: its pointer is read into an aligned copy.
    const char* const text = value.str;
    if (!text)
        return QString();
    if (value.is_utf8 != 1 && !PstDataConverter::encodingNameForCodePage(codePage).isEmpty())
        return PstDataConverter::toQString(value, codePage);
    return QString::fromUtf8(text);
}

PstItem& mutableItem(const PstItem& item)
{
    // Reaching the document's file walks the parent links, which hand out
    // shared pointers; nothing of the item itself changes.
    return const_cast<PstItem&>(item);
}

} // namespace

std::shared_ptr<PstMailItem> PstMailItem::creteFromPstItem(pst_desc_tree* node, pst_item* record)
{
    if (!record || !record->email)
        return nullptr;
    auto mail = std::make_shared<PstMailItem>();
    if (node)
        mail->setFileId(node->d_id);
    const int codePage = PstDataConverter::recordCodePage(record);
    const pst_item_email& email = *record->email;
    mail->insertSubject(record->subject.str ? record->subject : email.processed_subject, codePage);
    mail->insertFromPstString(email.outlook_sender_name, kSender, codePage);
    const QString senderAddress = SenderAddress::ofRecord(record->pf, node, record, codePage);
    if (!senderAddress.isNull())
        mail->insertProperty(kSenderAddr, senderAddress);
    mail->insertFromPstString(email.sentto_address, kRecipients, codePage);
    mail->insertFromPstString(email.cc_address, kCc, codePage);
    mail->insertFromPstString(email.bcc_address, kBcc, codePage);
    mail->insertFromFILETIME(email.sent_date, kSentDate);
    mail->insertFromFILETIME(email.arrival_date, kArrivalDate);
    mail->insertFromFILETIME(email.report_time, kReportTime);
    MeetingRequest::markIfMeeting(*mail, record->ascii_type);
    return mail;
}

void PstMailItem::parserAttach(pst_file* file, pst_item_attach* first, int codePage)
{
    Q_UNUSED(file);
    int index = 0;
    for (pst_item_attach* record = first; record; record = record->next, ++index) {
        // Some writers leave one nameless, empty record per recipient among
        // the real attachments; they are not attachments.
        const pst_string fileName = record->filename2.str ? record->filename2 : record->filename1;
        const bool embedded = record->method == PST_ATTACH_EMBEDDED;
        if (!fileName.str && !embedded)
            continue;
        auto attachment = std::make_shared<Attachment>();
        attachment->name = attachmentText(fileName, codePage);
        attachment->embedded = embedded;
        attachment->attachId = record->i_id;
        attachment->recordIndex = index;
        if (record->content_id.str)
            attachment->contentId = attachmentText(record->content_id, codePage);
        m_attachments->items.append(attachment);
    }
    m_hasAttachment = !m_attachments->items.isEmpty();
    m_attachments->listed = true;
}

void PstMailItem::setHasAttachment(bool hasAttachment)
{
    m_hasAttachment = hasAttachment;
}

QList<std::shared_ptr<Attachment>> PstMailItem::attachments() const
{
    if (!m_attachments->listed) {
        ReparsedRecord reparsed(mutableItem(*this));
        listAttachments(reparsed);
    }
    return m_attachments->items;
}

void PstMailItem::listAttachments(const ReparsedRecord& record) const
{
    // The record holds the document's lock: no other thread lists them now.
    if (m_attachments->listed || !record.record())
        return;
    auto& self = const_cast<PstMailItem&>(*this);
    const bool hinted = m_hasAttachment;
    self.parserAttach(record.file(), record.record()->attach, PstDataConverter::recordCodePage(record.record()));
    // The list row keeps what the open read.
    self.m_hasAttachment = hinted;
}

QString PstMailItem::displayName() const
{
    return sender();
}

QString PstMailItem::icon() const
{
    return QStringLiteral(":/img/contact@3x.png");
}

std::shared_ptr<PstItem> PstMailItem::clone() const
{
    auto copy = std::make_shared<PstMailItem>();
    copyBaseFieldsTo(copy);
    copy->m_hasAttachment = m_hasAttachment;
    copy->m_attachments = m_attachments;
    copy->m_embedPath = m_embedPath;
    return copy;
}

QString PstMailItem::sender() const
{
    return property(kSender).toString();
}

QString PstMailItem::senderAddr() const
{
    return property(kSenderAddr).toString();
}

QString PstMailItem::recipients() const
{
    return property(kRecipients).toString();
}

QString PstMailItem::cc() const
{
    return property(kCc).toString();
}

QString PstMailItem::bcc() const
{
    return property(kBcc).toString();
}

QString PstMailItem::formattedSenderAddr() const
{
    const QString address = senderAddr();
    return address.isEmpty() ? QString() : QStringLiteral("&lt;%1&gt;").arg(address);
}

QString PstMailItem::formattedRecipients() const
{
    const QString list = recipients();
    return list.isEmpty() ? QString() : QObject::tr("To: %1").arg(list);
}

QString PstMailItem::formattedCc() const
{
    const QString list = cc();
    return list.isEmpty() ? QString() : QObject::tr("Cc: %1").arg(list);
}

QString PstMailItem::formattedBcc() const
{
    const QString list = bcc();
    return list.isEmpty() ? QString() : QObject::tr("Bcc: %1").arg(list);
}

QString PstMailItem::sendDate(const QString& format) const
{
    const unsigned long long seconds = property(kSentDate).toULongLong();
    if (seconds == 0)
        return QObject::tr("No sent date");
    return timestampToString(seconds, format);
}

bool PstMailItem::hasAttachment() const
{
    return m_hasAttachment;
}

QString PstMailItem::body() const
{
    if (!m_bodyCache.isEmpty())
        return m_bodyCache;
    ReparsedRecord reparsed(mutableItem(*this));
    listAttachments(reparsed);
    const pst_item* record = reparsed.record();
    QString text = MessageBody::choose(record).html;
    if (text.contains(QLatin1String("cid:")))
        text = embedInlineImages(text, reparsed);
    // A document that could not be read now may be readable later.
    if (record)
        m_bodyCache = text;
    return text;
}

QString PstMailItem::textBodyToHtml() const
{
    ReparsedRecord reparsed(mutableItem(*this));
    const pst_item* record = reparsed.record();
    const int codePage = PstDataConverter::recordCodePage(record);
    return plainTextPage(record ? PstDataConverter::toQString(record->body, codePage) : QString());
}

QString PstMailItem::plainTextPage(const QString& text)
{
    static const QString page = QStringLiteral(
        "<html><head><meta charset='utf-8'></head><body style='font-family:\"Microsoft YaHei\",sans-serif;"
        "white-space:pre-wrap;word-wrap:break-word;'><div>%1</div></body></html>");
    return page.arg(text.toHtmlEscaped());
}

QString PstMailItem::embedInlineImages(const QString& html) const
{
    ReparsedRecord reparsed(mutableItem(*this));
    listAttachments(reparsed);
    return embedInlineImages(html, reparsed);
}

QString PstMailItem::embedInlineImages(const QString& html, const ReparsedRecord& record) const
{
    static const QRegularExpression cidSource(QStringLiteral("src=\"cid:([^\"]+)\""));
    // The first image attachment of each content id.
    QHash<QString, std::shared_ptr<Attachment>> images;
    for (const auto& attachment : m_attachments->items) {
        if (isImageName(attachment->name) && !images.contains(attachment->contentId))
            images.insert(attachment->contentId, attachment);
    }
    QString result = html;
    // A link's first match replaces all its occurrences, so later matches of
    // the same link have nothing left to do; a mail repeating a link many
    // thousand times must not rescan the whole page for each of them.
    QSet<QString> linksSeen;
    QRegularExpressionMatchIterator matches = cidSource.globalMatch(html);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        const QString link = match.captured(0);
        if (linksSeen.contains(link))
            continue;
        linksSeen.insert(link);
        const std::shared_ptr<Attachment> image = images.value(match.captured(1));
        if (!image)
            continue;
        if (image->data.isEmpty())
            fetchContents(*image, record, true);
        if (image->data.isEmpty())
            continue;
        const QString source = QStringLiteral("src=\"data:%1;base64,%2\"")
                                   .arg(getMimeType(image->name), QString::fromLatin1(image->data.toBase64()));
        // Many links to one large picture would swell the page without
        // limit; such a picture stays a link.
        const qsizetype grownSize = result.size() + result.count(link) * (source.size() - link.size());
        if (grownSize > kMaxInlinedPageChars)
            continue;
        result.replace(link, source);
    }
    return result;
}

void PstMailItem::fetchContents(Attachment& attachment, const ReparsedRecord& record, bool byContentId) const
{
    if (!record.record())
        return;
    const int codePage = PstDataConverter::recordCodePage(record.record());
    int index = 0;
    for (pst_item_attach* candidate = record.record()->attach; candidate; candidate = candidate->next, ++index) {
        const bool matches = byContentId
            ? candidate->content_id.str && attachmentText(candidate->content_id, codePage) == attachment.contentId
            : candidate->i_id == attachment.attachId && (attachment.recordIndex < 0 || index == attachment.recordIndex);
        if (!matches)
            continue;
        const QByteArray contents = record.attachmentData(candidate);
        if (!contents.isEmpty())
            attachment.data = contents;
        return;
    }
}

bool PstMailItem::saveAttachment(const std::shared_ptr<Attachment>& attachment, const QString& targetPath) const
{
    QByteArray contents;
    if (attachment) {
        // Fetched into a copy: a saved attachment need not stay in memory.
        Attachment fetched = *attachment;
        ReparsedRecord reparsed(mutableItem(*this));
        fetchContents(fetched, reparsed, false);
        contents = fetched.data;
    }
    // A FIFO or a device is written into, a file replaced whole.
    const QString problem = attachment ? FileTarget::write(targetPath, contents) : QStringLiteral("no attachment");
    if (!problem.isEmpty()) {
        Log::warn(QStringLiteral("%1: %2").arg(targetPath, problem));
        Log::warn(QStringLiteral("Attachment save failed."));
        return false;
    }
    Log::info(QStringLiteral("Attachment saved successfully."));
    return true;
}

QString getMimeType(const QString& fileName)
{
    const QString extension = fileName.mid(fileName.lastIndexOf(QLatin1Char('.')) + 1).toLower();
    if (extension == QLatin1String("png"))
        return QStringLiteral("image/png");
    if (extension == QLatin1String("jpg") || extension == QLatin1String("jpeg"))
        return QStringLiteral("image/jpeg");
    if (extension == QLatin1String("gif"))
        return QStringLiteral("image/gif");
    if (extension == QLatin1String("bmp"))
        return QStringLiteral("image/bmp");
    if (extension == QLatin1String("svg"))
        return QStringLiteral("image/svg+xml");
    return QStringLiteral("application/octet-stream");
}
