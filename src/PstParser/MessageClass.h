// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ItemType.h"

#include <QString>

#include <libpst/libpst.h>

// What kind of item a message class ("IPM.Note.SMIME", "REPORT.IPM.Note.NDR",
// ...) stands for. Classes are matched on whole dot-separated parts,
// case-insensitively, so every variant a writer derives from a known class
// is shown as that class's kind.
namespace MessageClass {

enum class Kind {
    Unknown,
    Mail,
    Contact,
    DistList,
    Appointment,
    Task,
    Note,
    Journal,
};

Kind kindOf(const QString& messageClass);
Kind kindOf(const char* messageClass);
// The type of item a message of a shown kind becomes (Mail for Unknown).
ItemType itemType(Kind kind);
// True for the classes of Outlook's own bookkeeping messages (free/busy
// data, folder views, settings, rules, sharing and navigation entries),
// which it keeps in its internal folders.
bool isBookkeeping(const QString& messageClass);

// Gives a record whose class is of `kind` the libpst part the item
// constructors and writers read (e.g. the mail part of a report that carries
// no mail property), so that no message is dropped for lack of it.
void completeRecord(pst_item* record, Kind kind);

} // namespace MessageClass
