// SPDX-License-Identifier: GPL-2.0-or-later
#include "NodePropertyPeek.h"

#include "ByteFields.h"

#include "NodeDataReader.h"

#include <QStringDecoder>
#include <QtEndian>

namespace {

constexpr quint16 kTypeInt16 = 0x0002;
constexpr quint16 kTypeInt32 = 0x0003;
constexpr quint16 kTypeBoolean = 0x000B;
constexpr quint16 kTypeString8 = 0x001E;
constexpr quint16 kTypeUnicode = 0x001F;


} // namespace

NodePropertyPeek::NodePropertyPeek(pst_file* file, const pst_desc_tree* node)
{
    if (!file || !node || !node->desc || node->desc->i_id == 0)
        return;
    const NodeDataReader reader(file);
    m_valid = m_properties.parse(reader.dataBlocks(node->desc->i_id), PropertyContext::heapIdsOf(reader.hasFourKPages()));
}

NodePropertyPeek::NodePropertyPeek(const PropertyContext& properties)
    : m_properties(properties), m_valid(true)
{
}

std::optional<qint32> NodePropertyPeek::int32(quint16 propertyId) const
{
    const std::optional<PropertyContext::Property> property = m_properties.property(propertyId);
    if (!property || property->data.size() < 4)
        return std::nullopt;
    const auto* bytes = reinterpret_cast<const uchar*>(property->data.constData());
    switch (property->type) {
    case kTypeInt32:
        return qFromLittleEndian<qint32>(bytes);
    case kTypeInt16:
        return qint32(qFromLittleEndian<qint16>(bytes));
    case kTypeBoolean:
        return qint32(bytes[0] != 0);
    default:
        return std::nullopt;
    }
}

std::optional<QString> NodePropertyPeek::string(quint16 propertyId) const
{
    const std::optional<PropertyContext::Property> property = m_properties.property(propertyId);
    if (!property || property->subnodeId != 0)
        return std::nullopt;
    if (property->type == kTypeUnicode) {
        const QByteArray bytes = ByteFields::upToTerminator(property->data, 2);
        return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), bytes.size() / 2);
    }
    if (property->type != kTypeString8)
        return std::nullopt;
    const QByteArray bytes = ByteFields::upToTerminator(property->data, 1);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}
