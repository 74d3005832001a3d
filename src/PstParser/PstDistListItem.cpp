// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstDistListItem.h"

#include "MapiPropertyReader.h"
#include "MessageBody.h"
#include "PstDataConverter.h"

#include <QObject>
#include <QtEndian>

namespace {

constexpr QUuid kPsetidAddress{0x00062004, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
constexpr quint32 kLidListName = 0x8053;
constexpr quint32 kLidOneOffMembers = 0x8054;
constexpr quint32 kLidMembers = 0x8055;
constexpr quint16 kDisplayName = 0x3001;

// One-off entry id: four flag bytes, this provider, a version, flags, then
// name, address type and address as terminated strings.
const QByteArray kOneOffProvider = QByteArray::fromHex("812b1fa4bea310199d6e00dd010f5402");
constexpr qsizetype kOneOffStrings = 4 + 16 + 2 + 2;
constexpr quint16 kOneOffUnicode = 0x8000;
// Wrapped entry id: four flag bytes, this provider, a type byte, then the
// wrapped entry id; type 0 wraps a one-off.
const QByteArray kWrappedProvider = QByteArray::fromHex("c091add3519dcf11a4a900aa0047faa4");
constexpr qsizetype kWrappedEntry = 4 + 16 + 1;

const QString kMemberNames = QStringLiteral("memberNames");
const QString kMemberAddresses = QStringLiteral("memberAddresses");

// The next terminated string from `offset`, which it moves past the terminator.
QString takeString(const QByteArray& bytes, qsizetype& offset, bool unicode, int codePage)
{
    if (unicode) {
        qsizetype end = offset;
        while (end + 1 < bytes.size() && (bytes.at(end) != 0 || bytes.at(end + 1) != 0))
            end += 2;
        const QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + offset),
                                                (end - offset) / 2);
        offset = end + 2;
        return text;
    }
    qsizetype end = bytes.indexOf('\0', offset);
    if (end < 0)
        end = bytes.size();
    QByteArray raw = bytes.mid(offset, end - offset);
    offset = end + 1;
    pst_string value{};
    value.str = raw.data();
    return PstDataConverter::toQString(value, codePage);
}

QList<QByteArray> memberEntryIds(const MapiPropertyReader& reader)
{
    if (const auto oneOffs = reader.binaryListNamed(kPsetidAddress, kLidOneOffMembers))
        return *oneOffs;
    QList<QByteArray> unwrapped;
    for (const QByteArray& wrapped : reader.binaryListNamed(kPsetidAddress, kLidMembers).value_or(QList<QByteArray>())) {
        if (wrapped.size() > kWrappedEntry && wrapped.mid(4, 16) == kWrappedProvider
            && (quint8(wrapped.at(20)) & 0x0F) == 0)
            unwrapped.append(wrapped.mid(kWrappedEntry));
    }
    return unwrapped;
}

} // namespace

std::optional<PstDistListItem::Member> PstDistListItem::memberFromOneOff(const QByteArray& entryId, int codePage)
{
    if (entryId.size() < kOneOffStrings || entryId.mid(4, 16) != kOneOffProvider)
        return std::nullopt;
    const quint16 flags = qFromLittleEndian<quint16>(reinterpret_cast<const uchar*>(entryId.constData()) + 22);
    const bool unicode = flags & kOneOffUnicode;
    qsizetype offset = kOneOffStrings;
    Member member;
    member.name = takeString(entryId, offset, unicode, codePage);
    takeString(entryId, offset, unicode, codePage); // address type
    member.address = takeString(entryId, offset, unicode, codePage);
    return member;
}

std::shared_ptr<PstDistListItem> PstDistListItem::creteFromPstItem(pst_file* file, pst_desc_tree* node,
                                                                   pst_item* record)
{
    if (!record)
        return nullptr;
    auto list = std::make_shared<PstDistListItem>();
    if (node)
        list->setFileId(node->d_id);
    const int codePage = PstDataConverter::recordCodePage(record);
    list->insertFromPstString(record->subject, QStringLiteral("subject"), codePage);
    list->insertFromPstString(record->body, QStringLiteral("note"), codePage);
    list->setRtfNote(MessageBody::hasOnlyRtfNote(record));
    QString name = list->property(QStringLiteral("subject")).toString();
    if (file && node) {
        const MapiPropertyReader reader(file, node);
        name = reader.stringNamed(kPsetidAddress, kLidListName).value_or(name);
        if (name.isEmpty())
            name = reader.string(kDisplayName).value_or(QString());
        QList<Member> members;
        for (const QByteArray& entryId : memberEntryIds(reader)) {
            if (const auto member = memberFromOneOff(entryId, codePage))
                members.append(*member);
        }
        list->setMembers(members);
    }
    list->setDisplayName(name.isEmpty() ? QObject::tr("Empty name") : name);
    return list;
}

QString PstDistListItem::subject() const
{
    return QObject::tr("%n member(s)", nullptr, int(members().size()));
}

QString PstDistListItem::icon() const
{
    return QStringLiteral(":/img/contact@3x.png");
}

std::shared_ptr<PstItem> PstDistListItem::clone() const
{
    auto copy = std::make_shared<PstDistListItem>();
    copyBaseFieldsTo(copy);
    return copy;
}

QList<InfoSection> PstDistListItem::sections() const
{
    InfoSection list{QObject::tr("Distribution List"), {{QObject::tr("Name"), displayName()}}};
    InfoSection people{QObject::tr("Members"), {}};
    for (const Member& member : members())
        people.fields.append({member.name.isEmpty() ? member.address : member.name, member.address});
    InfoSection notes{QObject::tr("Notes"), {{QString(), note()}}};
    return {list, people, notes};
}

QList<PstDistListItem::Member> PstDistListItem::members() const
{
    const QStringList names = property(kMemberNames).toStringList();
    const QStringList addresses = property(kMemberAddresses).toStringList();
    QList<Member> members;
    for (qsizetype i = 0; i < names.size() && i < addresses.size(); ++i)
        members.append({names.at(i), addresses.at(i)});
    return members;
}

void PstDistListItem::setMembers(const QList<Member>& members)
{
    QStringList names;
    QStringList addresses;
    for (const Member& member : members) {
        names.append(member.name);
        addresses.append(member.address);
    }
    insertProperty(kMemberNames, names);
    insertProperty(kMemberAddresses, addresses);
}
