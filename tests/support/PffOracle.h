// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>

#include <libpff.h>

// An independent view of a PST file through Debian's libpff, used by tests
// to check what our libpst-based model reads.
namespace PffOracle {

struct Message
{
    QString messageClass;
    QString subject;
};

struct Folder
{
    QString name;
    QList<Folder> subFolders;
    QList<Message> messages;
};

// The root folder (its sub-folders are the top-level folders of the file);
// `ok` is false, with `error` set, when libpff cannot open the file.
Folder readTree(const QString& path, bool* ok, QString* error = nullptr);

// One message with the string values asked for, by MAPI property id
// (0x001A class, 0x0037 subject, 0x0070 conversation topic, ...); values the
// message lacks are absent from the map.
struct MessageStrings
{
    QString folderPath; // folder names from libpff's root down, joined by "/"
    QMap<quint32, QString> values;
};

// Every message of the file, folders depth first, each folder's messages in
// order. 8-bit strings are decoded with `asciiCodepage` (0 keeps libpff's
// default, Windows-1252). `ok` is false, with `error` set, when libpff
// cannot open the file.
QList<MessageStrings> readMessages(const QString& path, const QList<quint32>& propertyIds, int asciiCodepage,
                                   bool* ok, QString* error = nullptr);

// Calls visit for every message, in readMessages' order, with its folder path
// and libpff's item. False, with `error` set, when libpff cannot open the file.
bool forEachMessage(const QString& path, const std::function<void(const QString&, libpff_item_t*)>& visit,
                    QString* error = nullptr);

// A value of an item by MAPI property id (named ones by their mapped number,
// e.g. 0x8208) as text: strings as UTF-8 (8-bit ones in the message's code
// page), numbers and booleans as numbers, times as seconds since 1970, binary
// data as hex. Null when the item lacks it.
QString value(libpff_item_t* item, quint32 propertyId);

// The data of the message's attachments, in order (empty for attached messages and references).
QList<QByteArray> attachments(libpff_item_t* message);

} // namespace PffOracle
