// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "EdsSources.h"

#include <QString>

// Contacts into the desktop address book (Evolution Data Server): every vCard
// of a file becomes one contact of a local address book of the PST file's own
// (EdsSources::addressBookFor), found or created on first use. A card with a
// UID replaces the contact of that UID, so an export made again updates its
// contacts instead of doubling them. Blocking; call it off the UI thread for
// large files.
class ContactImporter
{
public:
    struct Result
    {
        int cards = 0;  // vCards found in the file
        int stored = 0; // now in the address book (added, or updated from an earlier export)
        int failed() const { return cards - stored; }
    };

    // True only when the file was accepted: it exists, ends in .vcf (any
    // case) and the address book stored every contact of it; a warning is
    // logged otherwise. `book` is the address book (a shared "PST Imported
    // Contacts" one when it has no UID); `result` (optional) receives the
    // counts.
    static bool importVCardFile(const QString& path, const EdsSources::Target& book = {}, Result* result = nullptr);

    // The vCards of `text`, one string each, in file order.
    static QList<QByteArray> splitCards(const QByteArray& text);
    // The UID a card is stored under: its own UID line, or, for a card
    // without one, a hash of its text.
    static QByteArray uidOf(const QByteArray& card);
};
