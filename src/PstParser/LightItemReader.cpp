// SPDX-License-Identifier: GPL-2.0-or-later
#include "LightItemReader.h"

#include "MeetingRequest.h"
#include "NodeDataReader.h"
#include "NodePropertyPeek.h"
#include "PstDataConverter.h"
#include "SenderAddress.h"

namespace {

constexpr quint16 kTypeString8 = 0x001E;
constexpr quint16 kTypeUnicode = 0x001F;
constexpr quint16 kTypeBinary = 0x0102;

// The message's properties libpst's record takes the mail fields from.
constexpr quint16 kMessageClass = 0x001A;
constexpr quint16 kSubject = 0x0037;
constexpr quint16 kConversationTopic = 0x0070;
constexpr quint16 kSentRepresentingName = 0x0042;
constexpr quint16 kSentRepresentingSearchKey = 0x003B;
constexpr quint16 kSentRepresentingAddressType = 0x0064;
constexpr quint16 kSentRepresentingAddress = 0x0065;
constexpr quint16 kSenderAddressType = 0x0C1E;
constexpr quint16 kSenderAddress = 0x0C1F;
constexpr quint16 kDisplayTo = 0x0E04;
constexpr quint16 kDisplayCc = 0x0E03;
constexpr quint16 kDisplayBcc = 0x0E02;
constexpr quint16 kClientSubmitTime = 0x0039;
constexpr quint16 kMessageDeliveryTime = 0x0E06;
constexpr quint16 kReportTime = 0x0032;
constexpr quint16 kInternetCodePage = 0x3FDE;
constexpr quint16 kMessageCodePage = 0x3FFD;
constexpr quint16 kMessageSize = 0x0E08;
// An attachment's short and long file names.
constexpr quint16 kAttachFilename = 0x3704;
constexpr quint16 kAttachLongFilename = 0x3707;
// How an attachment is stored; 5 is a mail attached whole.
constexpr quint16 kAttachMethod = 0x3705;
constexpr qint32 kAttachEmbeddedMessage = 5;

// The low five bits of a subnode id give its kind; attachments are 0x05.
constexpr quint32 kSubnodeTypeMask = 0x1F;
constexpr quint32 kSubnodeTypeAttachment = 0x05;

QByteArray cutAtZero(const QByteArray& bytes)
{
    const qsizetype zero = bytes.indexOf('\0');
    return zero < 0 ? bytes : bytes.left(zero);
}

} // namespace

LightItemReader::LightItemReader(pst_file* file, const NodeGuard::CheckedNode& checked)
    : m_file(file), m_checked(checked), m_reader(file, checked.context, checked.subnodes)
{
}

QByteArray LightItemReader::stringBytes(quint16 propertyId, bool* isUtf8) const
{
    *isUtf8 = false;
    const std::optional<quint16> type = m_reader.type(propertyId);
    if (!type)
        return QByteArray();
    if (*type == kTypeUnicode) {
        const std::optional<QString> text = m_reader.string(propertyId);
        if (!text)
            return QByteArray();
        *isUtf8 = true;
        return cutAtZero(text->toUtf8());
    }
    if (*type != kTypeString8 && *type != kTypeBinary)
        return QByteArray();
    const std::optional<QByteArray> bytes = m_reader.binary(propertyId);
    if (!bytes)
        return QByteArray();
    return cutAtZero(*bytes);
}

bool LightItemReader::readsLikeLibpst() const
{
    static const quint16 listed[] = {
        kMessageClass, kSubject, kConversationTopic, kSentRepresentingName, kSentRepresentingSearchKey,
        kSentRepresentingAddressType, kSentRepresentingAddress, kSenderAddressType, kSenderAddress,
        kDisplayTo, kDisplayCc, kDisplayBcc, kClientSubmitTime, kMessageDeliveryTime, kReportTime,
        kInternetCodePage, kMessageCodePage,
    };
    for (const quint16 id : listed) {
        if (m_checked.attachedIds.contains(id))
            return false;
    }
    return true;
}

QByteArray LightItemReader::messageClass() const
{
    bool isUtf8 = false;
    return stringBytes(kMessageClass, &isUtf8);
}

pst_string LightItemReader::pstString(quint16 propertyId, QByteArray* storage) const
{
    bool isUtf8 = false;
    *storage = stringBytes(propertyId, &isUtf8);
    pst_string value{};
    // libpst keeps no value for an empty string.
    if (storage->isEmpty())
        return value;
    value.str = storage->data();
    value.is_utf8 = isUtf8 ? 1 : 0;
    return value;
}

void LightItemReader::insertString(PstItem& item, quint16 propertyId, const QString& key, int codePage,
                                   SharedTexts* shared) const
{
    QByteArray bytes;
    const pst_string value = pstString(propertyId, &bytes);
    if (!value.str)
        return;
    item.insertFromPstString(value, key, codePage);
    if (shared)
        shareText(item, key, *shared);
}

void LightItemReader::shareText(PstItem& item, const QString& key, SharedTexts& shared)
{
    constexpr qsizetype kMaxSharedTexts = 100000;
    const QString text = item.property(key).toString();
    const auto known = shared.constFind(text);
    if (known != shared.constEnd())
        item.insertProperty(key, *known);
    else if (shared.size() < kMaxSharedTexts)
        shared.insert(text);
}

void LightItemReader::insertTime(PstItem& item, quint16 propertyId, const QString& key) const
{
    const std::optional<qint64> ticks = m_reader.filetime(propertyId);
    if (!ticks)
        return;
    FILETIME time;
    time.dwLowDateTime = quint32(quint64(*ticks) & 0xFFFFFFFFu);
    time.dwHighDateTime = quint32(quint64(*ticks) >> 32);
    item.insertFromFILETIME(&time, key);
}

int LightItemReader::codePage() const
{
    return PstDataConverter::stringCodePage(m_reader.int32(kMessageCodePage).value_or(0),
                                        m_reader.int32(kInternetCodePage).value_or(0));
}

// libpst lists an attachment only when it has a file name or holds a mail;
// the attachment nodes are read for these alone, never their contents.
bool LightItemReader::hasListedAttachment() const
{
    const NodeDataReader blocks(m_file);
    for (auto it = m_checked.subnodes.constBegin(); it != m_checked.subnodes.constEnd(); ++it) {
        if ((it.key() & kSubnodeTypeMask) != kSubnodeTypeAttachment)
            continue;
        PropertyContext attachment;
        if (!attachment.parse(blocks.dataBlocks(it.value().dataBlockId), PropertyContext::heapIdsOf(blocks.hasFourKPages())))
            continue;
        if (attachment.property(kAttachLongFilename) || attachment.property(kAttachFilename))
            return true;
        if (NodePropertyPeek(attachment).int32(kAttachMethod) == kAttachEmbeddedMessage)
            return true;
    }
    return false;
}

// The sender's address is chosen like that of libpst's record
// (SenderAddress), from the same properties.
QString LightItemReader::senderAddress(int codePage) const
{
    QByteArray storage[5];
    SenderAddress::Fields fields;
    fields.sentRepresentingType = pstString(kSentRepresentingAddressType, &storage[0]);
    fields.sentRepresentingAddress = pstString(kSentRepresentingAddress, &storage[1]);
    fields.senderType = pstString(kSenderAddressType, &storage[2]);
    fields.senderAddress = pstString(kSenderAddress, &storage[3]);
    fields.sentRepresentingSearchKey = pstString(kSentRepresentingSearchKey, &storage[4]);
    return SenderAddress::of(fields, codePage, [this] { return NodePropertyPeek(m_checked.context); });
}

std::shared_ptr<PstMailItem> LightItemReader::mail(pst_desc_tree* node, SharedTexts& shared) const
{
    auto mail = std::make_shared<PstMailItem>();
    if (node)
        mail->setFileId(node->d_id);
    const int page = codePage();
    // The whole subject, as Outlook lists it; the topic lacks its prefix.
    QByteArray subject;
    const pst_string stored = pstString(kSubject, &subject);
    if (stored.str)
        mail->insertSubject(stored, page);
    else
        insertString(*mail, kConversationTopic, QStringLiteral("subject"), page);
    insertString(*mail, kSentRepresentingName, QStringLiteral("sender"), page, &shared);
    const QString address = senderAddress(page);
    if (!address.isNull()) {
        mail->insertProperty(QStringLiteral("senderAddr"), address);
        shareText(*mail, QStringLiteral("senderAddr"), shared);
    }
    insertString(*mail, kDisplayTo, QStringLiteral("recipients"), page, &shared);
    insertString(*mail, kDisplayCc, QStringLiteral("cc"), page, &shared);
    insertString(*mail, kDisplayBcc, QStringLiteral("bcc"), page, &shared);
    insertTime(*mail, kClientSubmitTime, QStringLiteral("sentDate"));
    insertTime(*mail, kMessageDeliveryTime, QStringLiteral("arrivalDate"));
    insertTime(*mail, kReportTime, QStringLiteral("reportTime"));
    mail->setHasAttachment(hasListedAttachment());
    MeetingRequest::markIfMeeting(*mail, messageClass().constData());
    if (const qint32 size = m_reader.int32(kMessageSize).value_or(0); size > 0)
        mail->insertProperty(QStringLiteral("messageSize"), qint64(size));
    return mail;
}
