// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// One attachment of a mail, shared by the mail, its clones and the
// attachment menu. Only name and ids are read with the tree; the contents are
// fetched from the open PST file the first time they are needed.
struct Attachment
{
    // The long file name, else the short one.
    QString name;
    // libpst's id of the attachment record; identifies it when saving.
    quint64 attachId = 0;
    // The MIME content id that `cid:` links refer to; empty when none.
    QString contentId;
    // The contents; empty until fetched.
    QByteArray data;
    // Position in the record's attachment list, nameless records counted.
    // Attachments whose contents lie in their own record all have the id 0,
    // so the id alone does not tell them apart.
    int recordIndex = -1;
    // An attached mail (libpst's embedded method): opened as a mail of its
    // own rather than saved as bytes; it may have no file name.
    bool embedded = false;
};
