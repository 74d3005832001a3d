// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "IndexedItem.h"
#include "PstItem.h"

#include <libpst/libpst.h>

#include <QString>

// Fills the index entry of one item from the item the parser builds and its
// libpst record: the body the mail view shows as text (HTML reduced to its
// visible text, RTF-only bodies converted), the notes of every other kind
// with all their fields (a contact's names, companies, addresses, phone
// numbers), recipients and attachment names. Runs for every item of a file
// while it is indexed; reads nothing more from the file.
class IndexedItemReader
{
public:
    // The entry of `item`, which ItemFactory made of `record`. Without a
    // record (null) the mail body is left empty and a note read from the
    // item, which may read the file again.
    static IndexedItem read(const PstItem& item, const pst_item* record, const QString& folderPath);
    // Builds the item of `record` first (ItemFactory, which may complete the
    // record). False for a folder or a record of a class the program does
    // not show; `entry` is left alone then.
    static bool read(pst_file* file, pst_desc_tree* node, pst_item* record, const QString& folderPath,
                     IndexedItem* entry);

    // The text a reader sees of an HTML page: tags dropped, scripts, styles
    // and the head skipped, character references decoded, block ends as
    // line breaks. Any input is safe, however broken.
    static QString htmlToText(const QString& html);
};
