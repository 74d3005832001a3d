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
    const struct {
        const pst_string& type;
        const pst_string& address;
    } named[] = {{email.sender_access, email.sender_address}, {email.sender2_access, email.sender2_address}};
    for (const auto& candidate : named) {
        const QString address = withoutAddressType(PstDataConverter::toQString(candidate.address, codePage).trimmed());
        if (isSmtpAddress(candidate.type, address))
            return address;
    }
    const bool namesAnAddress = email.sender_address.str || email.sender2_address.str || email.outlook_sender.str;
    if (!namesAnAddress)
        return QString();
    // Exchange senders carry their SMTP address in properties libpst skips.
    const NodePropertyPeek peek(file, node);
    for (const quint16 id : {kSentRepresentingSmtpAddress, kSenderSmtpAddress}) {
        const QString address = peek.string(id).value_or(QString()).trimmed();
        if (!address.isEmpty())
            return address;
    }
    const QString searchKey = PstDataConverter::toQString(email.outlook_sender, codePage).trimmed();
    if (searchKey.startsWith(kSmtpPrefix, Qt::CaseInsensitive))
        return withoutAddressType(searchKey).toLower();
    return QString(QLatin1String(""));
}

QString SenderAddress::withoutAddressType(const QString& text)
{
    return text.startsWith(kSmtpPrefix, Qt::CaseInsensitive) ? text.mid(kSmtpPrefix.size()) : text;
}
