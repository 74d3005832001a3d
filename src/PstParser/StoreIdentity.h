// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <libpst/libpst.h>

// What tells one PST file's message store from every other: the store's
// record key, which Outlook draws at random when it creates the file and
// which every entry id of the file repeats. Desktop calendars, address books
// and the UIDs of exported items are keyed on it, so two files that share a
// name never share a calendar, and a file exported again (or from another
// folder) updates what it exported before.
class StoreIdentity
{
public:
    // Reads the identity of the store of `file`, opened from `path`, and
    // keeps it for the file until forget(). The record key as hex; without
    // one the provider id of the store's entry ids; without either (a
    // damaged store) a hash of the file's absolute path. Call with the
    // libpst lock held.
    static QString read(pst_file* file, const QString& path);
    static void forget(const pst_file* file);
    // The identity read for `file`; "" for a file not opened through read().
    static QString of(const pst_file* file);

    // The UID of the item at node `nodeId` of `file`: the store's identity
    // and the node id, which stays the item's while Outlook changes it.
    // "0x<node id>" alone for a file without identity.
    static QByteArray itemUid(const pst_file* file, quint64 nodeId);

    // How a person tells the file's calendar or address book apart from
    // another file's of the same name: "Outlook (Documents/A)" for
    // ~/Documents/A/Outlook.pst, the last two folders of its path (from
    // the home folder when it is below it).
    static QString displayTitle(const QString& path);
};
