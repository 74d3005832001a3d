// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstNdbWriter.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>

// One MAPI property ready to be stored: its id, its type and its value in
// the byte form the file keeps (little-endian numbers, UTF-16LE strings).
// A streamed binary value carries a generator instead of bytes.
struct PstProperty {
    enum Type : uint16_t {
        Short = 0x0002,
        Long = 0x0003,
        Double = 0x0005,
        Boolean = 0x000B,
        Object = 0x000D,
        Int64 = 0x0014,
        String8 = 0x001E,
        Unicode = 0x001F,
        SysTime = 0x0040,
        Guid = 0x0048,
        Binary = 0x0102,
        MultiString8 = 0x101E,
        MultiUnicode = 0x101F,
    };

    uint16_t id = 0;
    uint16_t type = 0;
    QByteArray data;
    uint64_t generatedSize = 0;
    PstNdbWriter::Generator generator;

    static PstProperty unicode(uint16_t id, const QString& value);
    static PstProperty string8(uint16_t id, const QByteArray& bytes);
    static PstProperty int32(uint16_t id, int32_t value);
    static PstProperty int16(uint16_t id, int16_t value);
    static PstProperty boolean(uint16_t id, bool value);
    static PstProperty floating(uint16_t id, double value);
    static PstProperty time(uint16_t id, const QDateTime& value);
    static PstProperty binary(uint16_t id, const QByteArray& value);
    static PstProperty generated(uint16_t id, uint64_t size, PstNdbWriter::Generator generator);
    static PstProperty multiUnicode(uint16_t id, const QStringList& values);
    static PstProperty multiString8(uint16_t id, const QList<QByteArray>& values);
    static PstProperty object(uint16_t id, uint32_t nid, uint32_t size);

    // FILETIME: 100 ns ticks since 1601-01-01 UTC.
    static uint64_t fileTime(const QDateTime& value);
    // Size of the value as the file stores it.
    uint64_t valueSize() const { return generator ? generatedSize : uint64_t(data.size()); }
};
