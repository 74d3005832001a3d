// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstProperty.h"

#include "PstBytes.h"

#include <cstring>

using namespace PstBytes;

namespace {

QByteArray utf16(const QString& value)
{
    return QByteArray(reinterpret_cast<const char*>(value.utf16()), value.size() * 2);
}

// The layout of a variable-size multi-valued property: count, offsets, values.
QByteArray multiValue(const QList<QByteArray>& values)
{
    QByteArray out;
    append32(out, uint32_t(values.size()));
    uint32_t offset = uint32_t(4 + 4 * values.size());
    for (const QByteArray& v : values) {
        append32(out, offset);
        offset += uint32_t(v.size());
    }
    for (const QByteArray& v : values)
        out.append(v);
    return out;
}

PstProperty make(uint16_t id, uint16_t type, const QByteArray& data)
{
    PstProperty p;
    p.id = id;
    p.type = type;
    p.data = data;
    return p;
}

} // namespace

PstProperty PstProperty::unicode(uint16_t id, const QString& value) { return make(id, Unicode, utf16(value)); }

PstProperty PstProperty::string8(uint16_t id, const QByteArray& bytes) { return make(id, String8, bytes); }

PstProperty PstProperty::int32(uint16_t id, int32_t value)
{
    QByteArray b;
    append32(b, uint32_t(value));
    return make(id, Long, b);
}

PstProperty PstProperty::int16(uint16_t id, int16_t value)
{
    QByteArray b;
    append16(b, uint16_t(value));
    return make(id, Short, b);
}

PstProperty PstProperty::boolean(uint16_t id, bool value)
{
    return make(id, Boolean, QByteArray(1, value ? '\1' : '\0'));
}

PstProperty PstProperty::floating(uint16_t id, double value)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &value, 8);
    QByteArray b;
    append64(b, bits);
    return make(id, Double, b);
}

uint64_t PstProperty::fileTime(const QDateTime& value)
{
    // 11644473600 seconds lie between 1601-01-01 and 1970-01-01.
    return uint64_t((value.toMSecsSinceEpoch() + 11644473600000LL) * 10000LL);
}

PstProperty PstProperty::time(uint16_t id, const QDateTime& value)
{
    QByteArray b;
    append64(b, fileTime(value));
    return make(id, SysTime, b);
}

PstProperty PstProperty::binary(uint16_t id, const QByteArray& value) { return make(id, Binary, value); }

PstProperty PstProperty::generated(uint16_t id, uint64_t size, PstNdbWriter::Generator generator)
{
    PstProperty p = make(id, Binary, {});
    p.generatedSize = size;
    p.generator = std::move(generator);
    return p;
}

PstProperty PstProperty::multiUnicode(uint16_t id, const QStringList& values)
{
    QList<QByteArray> encoded;
    for (const QString& v : values)
        encoded.append(utf16(v));
    return make(id, MultiUnicode, multiValue(encoded));
}

PstProperty PstProperty::multiString8(uint16_t id, const QList<QByteArray>& values)
{
    return make(id, MultiString8, multiValue(values));
}

PstProperty PstProperty::object(uint16_t id, uint32_t nid, uint32_t size)
{
    QByteArray b;
    append32(b, nid);
    append32(b, size);
    return make(id, Object, b);
}
