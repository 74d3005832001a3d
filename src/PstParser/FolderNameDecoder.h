// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <libpst/libpst.h>

class PstItem;

// Decodes the 8-bit folder names of an ANSI file. Folders declare no code
// page of their own; they are in the one the file's messages declare (the
// most common among them, else the message store's), and only a file that
// declares none is read in the code page of the user's locale. The code
// page is found the first time a name needs it, by a quick look at a sample
// of the file's messages, so Unicode files never pay for it.
class FolderNameDecoder
{
public:
    explicit FolderNameDecoder(pst_file* file);

    // `folder`'s display name decoded again when `record` holds it as 8-bit text.
    void apply(PstItem& folder, const pst_item* record);
    // 8-bit name bytes in the file's code page.
    QString decode(const QByteArray& bytes);
    // The Windows code page folder names are decoded with.
    int codePage();

    // The Windows ("ANSI") code page of a locale's language, 1252 for most.
    static int ansiCodePageOf(const QLocale& locale);

private:
    int declaredCodePage() const;

    pst_file* m_file = nullptr;
    int m_codePage = -1;
};
