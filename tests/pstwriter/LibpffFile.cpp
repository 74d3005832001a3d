// SPDX-License-Identifier: GPL-2.0-or-later
#pragma GCC diagnostic ignored "-Wdeprecated-declarations" // the entry-value API is all libpff 20180714 offers

#include "LibpffFile.h"

#include <libpff.h>

#include <QFile>

#include <vector>

namespace {

QString takeError(libpff_error_t** error)
{
    if (!*error)
        return QString();
    char text[1024] = {};
    libpff_error_sprint(*error, text, sizeof text);
    libpff_error_free(error);
    return QString::fromUtf8(text);
}

QString folderName(libpff_item_t* folder)
{
    size_t size = 0;
    if (libpff_folder_get_utf8_name_size(folder, &size, nullptr) != 1 || size == 0)
        return QString();
    std::vector<uint8_t> name(size);
    libpff_folder_get_utf8_name(folder, name.data(), size, nullptr);
    return QString::fromUtf8(reinterpret_cast<const char*>(name.data()));
}

} // namespace

LibpffFile::LibpffFile(const QString& path)
{
    libpff_error_t* error = nullptr;
    libpff_file_t* file = nullptr;
    if (libpff_file_initialize(&file, &error) != 1) {
        m_error = takeError(&error);
        return;
    }
    const QByteArray name = QFile::encodeName(path);
    if (libpff_file_open(file, name.constData(), LIBPFF_OPEN_READ, &error) != 1) {
        m_error = takeError(&error);
        libpff_file_free(&file, nullptr);
        return;
    }
    m_file = file;
    forEachMessage([this](const QString& folder, libpff_item* message) { m_subjects[folder].append(subject(message)); });
}

LibpffFile::~LibpffFile()
{
    if (m_file) {
        libpff_file_close(m_file, nullptr);
        libpff_file_free(&m_file, nullptr);
    }
}

void LibpffFile::forEachMessage(const std::function<void(const QString&, libpff_item*)>& visit)
{
    libpff_item_t* root = nullptr;
    if (!m_file || libpff_file_get_root_folder(m_file, &root, nullptr) != 1)
        return;
    // The root folder holds "Top of Personal Folders", which holds the user's folders.
    int count = 0;
    libpff_folder_get_number_of_sub_folders(root, &count, nullptr);
    for (int i = 0; i < count; ++i) {
        libpff_item_t* top = nullptr;
        if (libpff_folder_get_sub_folder(root, i, &top, nullptr) != 1)
            continue;
        if (folderName(top) == QLatin1String("Top of Personal Folders"))
            walk(top, QString(), visit);
        libpff_item_free(&top, nullptr);
    }
    libpff_item_free(&root, nullptr);
}

void LibpffFile::walk(libpff_item* folder, const QString& path,
                      const std::function<void(const QString&, libpff_item*)>& visit)
{
    if (!path.isEmpty())
        m_subjects[path]; // folders without messages are listed too
    int messages = 0;
    libpff_folder_get_number_of_sub_messages(folder, &messages, nullptr);
    for (int i = 0; i < messages; ++i) {
        libpff_item_t* message = nullptr;
        if (libpff_folder_get_sub_message(folder, i, &message, nullptr) != 1)
            continue;
        visit(path, message);
        libpff_item_free(&message, nullptr);
    }
    int folders = 0;
    libpff_folder_get_number_of_sub_folders(folder, &folders, nullptr);
    for (int i = 0; i < folders; ++i) {
        libpff_item_t* child = nullptr;
        if (libpff_folder_get_sub_folder(folder, i, &child, nullptr) != 1)
            continue;
        const QString name = folderName(child);
        walk(child, path.isEmpty() ? name : path + QLatin1Char('/') + name, visit);
        libpff_item_free(&child, nullptr);
    }
}

bool LibpffFile::int32(libpff_item* item, uint32_t type, uint32_t* value)
{
    return libpff_item_get_entry_value_32bit(item, 0, type, value, 0, nullptr) == 1;
}

bool LibpffFile::floating(libpff_item* item, uint32_t type, double* value)
{
    return libpff_item_get_entry_value_floating_point(item, 0, type, value, 0, nullptr) == 1;
}

bool LibpffFile::boolean(libpff_item* item, uint32_t type, bool* value)
{
    uint8_t b = 0;
    const bool ok = libpff_item_get_entry_value_boolean(item, 0, type, &b, 0, nullptr) == 1;
    *value = b != 0;
    return ok;
}

bool LibpffFile::filetime(libpff_item* item, uint32_t type, qint64* secondsSince1970)
{
    uint64_t ticks = 0;
    if (libpff_item_get_entry_value_filetime(item, 0, type, &ticks, 0, nullptr) != 1)
        return false;
    *secondsSince1970 = qint64(ticks / 10000000ULL) - 11644473600LL;
    return true;
}

QString LibpffFile::text(libpff_item* item, uint32_t type)
{
    size_t size = 0;
    if (libpff_item_get_entry_value_utf8_string_size(item, 0, type, &size, 0, nullptr) != 1 || size == 0)
        return QString();
    std::vector<uint8_t> buffer(size);
    libpff_item_get_entry_value_utf8_string(item, 0, type, buffer.data(), size, 0, nullptr);
    return QString::fromUtf8(reinterpret_cast<const char*>(buffer.data()));
}

QByteArray LibpffFile::binary(libpff_item* item, uint32_t type)
{
    size_t size = 0;
    if (libpff_item_get_entry_value_binary_data_size(item, 0, type, &size, 0, nullptr) != 1 || size == 0)
        return QByteArray();
    QByteArray data(qsizetype(size), '\0');
    libpff_item_get_entry_value_binary_data(item, 0, type, reinterpret_cast<uint8_t*>(data.data()), size, 0, nullptr);
    return data;
}

QString LibpffFile::subject(libpff_item* message)
{
    size_t size = 0;
    if (libpff_message_get_utf8_subject_size(message, &size, nullptr) != 1 || size == 0)
        return QString();
    std::vector<uint8_t> buffer(size);
    libpff_message_get_utf8_subject(message, buffer.data(), size, nullptr);
    const QString stored = QString::fromUtf8(reinterpret_cast<const char*>(buffer.data()));
    // libpff returns the subject as stored, with Outlook's prefix-length marker.
    return stored.startsWith(QChar(0x01)) ? stored.mid(2) : stored;
}

QList<qint64> LibpffFile::attachmentSizes(libpff_item* message)
{
    QList<qint64> sizes;
    int count = 0;
    libpff_message_get_number_of_attachments(message, &count, nullptr);
    for (int i = 0; i < count; ++i) {
        libpff_item_t* attachment = nullptr;
        if (libpff_message_get_attachment(message, i, &attachment, nullptr) != 1)
            continue;
        size64_t size = 0;
        sizes.append(libpff_attachment_get_data_size(attachment, &size, nullptr) == 1 ? qint64(size) : -1);
        libpff_item_free(&attachment, nullptr);
    }
    return sizes;
}
