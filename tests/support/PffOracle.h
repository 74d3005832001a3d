#pragma once

#include <QList>
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

} // namespace PffOracle
