// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

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

} // namespace PffOracle
