// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QtEndian>

// Little-endian numbers inside a block. The caller has checked that the
// field lies inside `bytes`.
namespace ByteFields {

inline quint16 u16At(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<quint16>(reinterpret_cast<const uchar*>(bytes.constData()) + offset);
}

inline quint32 u32At(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(bytes.constData()) + offset);
}

// A stored string up to its first zero character (`characterSize` bytes:
// 1 for 8-bit strings, 2 for UTF-16): writers may store the terminator, and
// libpst, reading C strings, ends the string there too.
inline QByteArray upToTerminator(const QByteArray& bytes, int characterSize)
{
    for (qsizetype at = 0; at + characterSize <= bytes.size(); at += characterSize) {
        if (bytes.at(at) == 0 && (characterSize == 1 || bytes.at(at + 1) == 0))
            return bytes.left(at);
    }
    return bytes;
}

} // namespace ByteFields
