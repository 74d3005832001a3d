// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// Contacts into the desktop address book (Evolution Data Server): every vCard
// of a file becomes one contact of a local address book found or created by
// title. Blocking; call it off the UI thread for large files.
class ContactImporter
{
public:
    struct Result
    {
        int cards = 0;  // vCards found in the file
        int stored = 0; // now in the address book (added, or there from an earlier export)
        int failed() const { return cards - stored; }
    };

    // True only when the file was accepted: it exists, ends in .vcf (any
    // case) and the address book stored every contact of it; a warning is
    // logged otherwise. `bookTitle` names the address book ("PST Imported
    // Contacts" when empty); `result` (optional) receives the counts.
    static bool importVCardFile(const QString& path, const QString& bookTitle = QString(), Result* result = nullptr);

    // The vCards of `text`, one string each, in file order.
    static QList<QByteArray> splitCards(const QByteArray& text);
};
