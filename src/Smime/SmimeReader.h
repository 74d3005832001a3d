// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "SmimeContent.h"

#include <QByteArray>

class SmimeKey;

// Unwraps the contents of an smime.p7m attachment: a multipart/signed
// entity (clear-signed), or a CMS SignedData (opaque-signed) or
// EnvelopedData (encrypted) in DER or as an application/pkcs7-mime entity.
// Layers inside one another (signed, then encrypted) are unwrapped in turn.
// Damaged input gives content.error, never a crash.
class SmimeReader
{
public:
    // Layers deeper than this are not unwrapped.
    static constexpr int kMaxLayers = 8;

    // `key`, when given, decrypts an encrypted mail in memory.
    static SmimeContent read(const QByteArray& wrapper, const SmimeKey* key = nullptr);
};
