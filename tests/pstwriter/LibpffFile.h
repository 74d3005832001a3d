// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <map>

#include <libpff.h>

using libpff_file = libpff_file_t;
using libpff_item = libpff_item_t;

// A PST file read through libpff, the second independent reader of the
// writer's files. Folders and messages are walked from the root folder.
class LibpffFile
{
public:
    explicit LibpffFile(const QString& path);
    ~LibpffFile();
    LibpffFile(const LibpffFile&) = delete;
    LibpffFile& operator=(const LibpffFile&) = delete;

    bool isOpen() const { return m_file != nullptr; }
    // libpff's error text when opening failed.
    QString error() const { return m_error; }
    // Folder paths below "Top of Personal Folders", and the subjects of each folder's messages.
    const std::map<QString, QStringList>& subjectsByFolder() const { return m_subjects; }
    // Calls visit for every message with its folder path and libpff item.
    void forEachMessage(const std::function<void(const QString&, libpff_item*)>& visit);

    // Typed reads of a property (named properties by their number, e.g. 0x8101).
    static bool int32(libpff_item* item, uint32_t type, uint32_t* value);
    static bool floating(libpff_item* item, uint32_t type, double* value);
    static bool boolean(libpff_item* item, uint32_t type, bool* value);
    static bool filetime(libpff_item* item, uint32_t type, qint64* secondsSince1970);
    static QString text(libpff_item* item, uint32_t type);
    static QByteArray binary(libpff_item* item, uint32_t type);
    // The subject without the stored prefix-length marker ("\x01\x05RE: x" gives "RE: x").
    static QString subject(libpff_item* message);
    // Sizes of a message's attachments, in order.
    static QList<qint64> attachmentSizes(libpff_item* message);

private:
    void walk(libpff_item* folder, const QString& path, const std::function<void(const QString&, libpff_item*)>& visit);

    libpff_file* m_file = nullptr;
    QString m_error;
    std::map<QString, QStringList> m_subjects;
};
