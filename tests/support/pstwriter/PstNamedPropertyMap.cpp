// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstNamedPropertyMap.h"

#include "PstBytes.h"
#include "PstChecksum.h"

#include <algorithm>

using namespace PstBytes;

namespace {

constexpr uint16_t kFirstNamedId = 0x8000;
constexpr uint32_t kBucketCount = 251;
const QUuid kPsMapi(QStringLiteral("{00020328-0000-0000-C000-000000000046}"));

// GUIDs are stored with their first three fields little-endian.
QByteArray guidBytes(const QUuid& id)
{
    QByteArray out;
    append32(out, id.data1);
    append16(out, id.data2);
    append16(out, id.data3);
    out.append(reinterpret_cast<const char*>(id.data4), 8);
    return out;
}

} // namespace

const QUuid PstNamedPropertyMap::kPublicStrings(QStringLiteral("{00020329-0000-0000-C000-000000000046}"));
const QUuid PstNamedPropertyMap::kCommon(QStringLiteral("{00062008-0000-0000-C000-000000000046}"));
const QUuid PstNamedPropertyMap::kAddress(QStringLiteral("{00062004-0000-0000-C000-000000000046}"));
const QUuid PstNamedPropertyMap::kAppointment(QStringLiteral("{00062002-0000-0000-C000-000000000046}"));
const QUuid PstNamedPropertyMap::kTask(QStringLiteral("{00062003-0000-0000-C000-000000000046}"));
const QUuid PstNamedPropertyMap::kLog(QStringLiteral("{0006200A-0000-0000-C000-000000000046}"));
const QUuid PstNamedPropertyMap::kNote(QStringLiteral("{0006200E-0000-0000-C000-000000000046}"));
const QUuid PstNamedPropertyMap::kInternetHeaders(QStringLiteral("{00020386-0000-0000-C000-000000000046}"));

uint16_t PstNamedPropertyMap::idOf(const QUuid& set, uint32_t number)
{
    const auto key = std::make_tuple(set, false, number, QString());
    const auto found = m_ids.find(key);
    if (found != m_ids.end())
        return found->second;
    if (set != kPsMapi && set != kPublicStrings && std::find(m_guids.begin(), m_guids.end(), set) == m_guids.end())
        m_guids.push_back(set);
    const uint16_t id = uint16_t(kFirstNamedId + m_entries.size());
    m_entries.push_back({set, false, number, QString()});
    m_ids[key] = id;
    return id;
}

uint16_t PstNamedPropertyMap::idOf(const QUuid& set, const QString& name)
{
    const auto key = std::make_tuple(set, true, 0u, name);
    const auto found = m_ids.find(key);
    if (found != m_ids.end())
        return found->second;
    if (set != kPsMapi && set != kPublicStrings && std::find(m_guids.begin(), m_guids.end(), set) == m_guids.end())
        m_guids.push_back(set);
    const uint16_t id = uint16_t(kFirstNamedId + m_entries.size());
    m_entries.push_back({set, true, 0, name});
    m_ids[key] = id;
    return id;
}

uint16_t PstNamedPropertyMap::guidIndex(const QUuid& set) const
{
    if (set == kPsMapi)
        return 1;
    if (set == kPublicStrings)
        return 2;
    return uint16_t(3 + (std::find(m_guids.begin(), m_guids.end(), set) - m_guids.begin()));
}

std::vector<PstProperty> PstNamedPropertyMap::properties() const
{
    QByteArray guids;
    for (const QUuid& id : m_guids)
        guids.append(guidBytes(id));
    QByteArray entries;
    QByteArray strings;
    std::map<uint32_t, QByteArray> buckets;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const Entry& e = m_entries[i];
        const uint16_t index = guidIndex(e.set);
        uint32_t propertyId = e.number;
        uint32_t hashInput = e.number;
        if (e.isString) {
            propertyId = uint32_t(strings.size());
            const QByteArray name(reinterpret_cast<const char*>(e.name.utf16()), e.name.size() * 2);
            append32(strings, uint32_t(name.size()));
            strings.append(name);
            while (strings.size() % 4)
                strings.append('\0');
            hashInput = PstChecksum::crc(name.constData(), size_t(name.size()));
        }
        const uint16_t guidAndKind = uint16_t((index << 1) | (e.isString ? 1 : 0));
        QByteArray record;
        append32(record, propertyId);
        append16(record, guidAndKind);
        append16(record, uint16_t(i));
        entries.append(record);
        buckets[(hashInput ^ guidAndKind) % kBucketCount].append(record);
    }
    std::vector<PstProperty> out;
    out.push_back(PstProperty::int32(0x0001, int32_t(kBucketCount)));
    out.push_back(PstProperty::binary(0x0002, guids));
    out.push_back(PstProperty::binary(0x0003, entries));
    out.push_back(PstProperty::binary(0x0004, strings));
    for (uint32_t bucket = 0; bucket < kBucketCount; ++bucket)
        out.push_back(PstProperty::binary(uint16_t(0x1000 + bucket), buckets[bucket]));
    return out;
}
