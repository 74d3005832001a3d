// SPDX-License-Identifier: GPL-2.0-or-later
#include "SenderAddress.h"

#include "NodePropertyPeek.h"
#include "PstDataConverter.h"

namespace {

constexpr quint16 kSenderSmtpAddress = 0x5D01;
constexpr quint16 kSentRepresentingSmtpAddress = 0x5D02;
const QString kSmtpPrefix = QStringLiteral("SMTP:");

bool isSmtpAddress(const pst_string& type, const QString& address)
{
    if (address.isEmpty() || address.startsWith(QLatin1String("/O="), Qt::CaseInsensitive))
        return false;
    if (!type.str)
        return address.contains(QLatin1Char('@'));
    return qstricmp(type.str, "SMTP") == 0;
}

} // namespace

QString SenderAddress::ofRecord(pst_file* file, pst_desc_tree* node, const pst_item* record, int codePage)
{
    if (!record || !record->email)
        return QString();
    const pst_item_email& email = *record->email;
    Fields fields;
    fields.sentRepresentingType = email.sender_access;
    fields.sentRepresentingAddress = email.sender_address;
    fields.senderType = email.sender2_access;
    fields.senderAddress = email.sender2_address;
    fields.sentRepresentingSearchKey = email.outlook_sender;
    return of(fields, codePage, [file, node] { return NodePropertyPeek(file, node); });
}

QString SenderAddress::of(const Fields& fields, int codePage, const std::function<NodePropertyPeek()>& properties)
{
    const struct {
        pst_string type;
        pst_string address;
    } named[] = {{fields.sentRepresentingType, fields.sentRepresentingAddress}, {fields.senderType, fields.senderAddress}};
    for (const auto& candidate : named) {
        const QString address = withoutAddressType(PstDataConverter::toQString(candidate.address, codePage).trimmed());
        if (isSmtpAddress(candidate.type, address))
            return address;
    }
    const bool namesAnAddress = fields.sentRepresentingAddress.str || fields.senderAddress.str
        || fields.sentRepresentingSearchKey.str;
    if (!namesAnAddress)
        return QString();
    // Exchange senders carry their SMTP address in properties libpst skips.
    const NodePropertyPeek peek = properties();
    for (const quint16 id : {kSentRepresentingSmtpAddress, kSenderSmtpAddress}) {
        const QString address = peek.string(id).value_or(QString()).trimmed();
        if (!address.isEmpty())
            return address;
    }
    const QString searchKey = PstDataConverter::toQString(fields.sentRepresentingSearchKey, codePage).trimmed();
    if (searchKey.startsWith(kSmtpPrefix, Qt::CaseInsensitive))
        return withoutAddressType(searchKey).toLower();
    return QString(QLatin1String(""));
}

QString SenderAddress::withoutAddressType(const QString& text)
{
    return text.startsWith(kSmtpPrefix, Qt::CaseInsensitive) ? text.mid(kSmtpPrefix.size()) : text;
}
