// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "SmimeContent.h"

#include <QByteArray>
#include <QString>

#include <memory>

struct _GMimeObject;

// One MIME entity (headers and body) parsed with GMime: the signed or
// decrypted message inside an S/MIME mail.
class MimeEntity
{
public:
    // Parts nested deeper than this are not read.
    static constexpr int kMaxDepth = 32;

    explicit MimeEntity(const QByteArray& bytes);
    ~MimeEntity();
    MimeEntity(const MimeEntity&) = delete;
    MimeEntity& operator=(const MimeEntity&) = delete;

    bool isValid() const { return m_object != nullptr; }
    // "multipart/signed", "application/pkcs7-mime", ... in lower case.
    QString mimeType() const;
    // The decoded body of a single part (base64 and quoted-printable undone).
    QByteArray decodedContent() const;
    // The signed part of a multipart/signed entity, as it was written; null
    // when there is none.
    QByteArray signedPart() const;
    // Adds the entity's body (HTML preferred, else plain text, converted from
    // its charset) and its other parts to `content`; inline pictures that the
    // HTML names by content id become data: URLs. Sets content->error when
    // parts lie too deep.
    void readInto(SmimeContent& content) const;

private:
    _GMimeObject* m_object = nullptr;
};
