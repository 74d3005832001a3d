// SPDX-License-Identifier: GPL-2.0-or-later
#include "PffOracle.h"

#include <libpff.h>

#include <functional>

namespace PffOracle {
namespace {

// libpff's string getters all take (object, buffer, size, error).
template <typename SizeFn, typename GetFn, typename Obj>
QString readString(Obj* object, SizeFn sizeFn, GetFn getFn)
{
    size_t size = 0;
    if (sizeFn(object, &size, nullptr) != 1 || size == 0)
        return QString();
    QByteArray buffer(int(size), '\0');
    if (getFn(object, reinterpret_cast<uint8_t*>(buffer.data()), size, nullptr) != 1)
        return QString();
    return QString::fromUtf8(buffer.constData());
}

QString messageString(libpff_item_t* message, uint32_t entryType)
{
    size_t size = 0;
    if (libpff_message_get_entry_value_utf8_string_size(message, entryType, &size, nullptr) != 1 || size == 0)
        return QString();
    QByteArray buffer(int(size), '\0');
    if (libpff_message_get_entry_value_utf8_string(message, entryType, reinterpret_cast<uint8_t*>(buffer.data()), size, nullptr) != 1)
        return QString();
    return QString::fromUtf8(buffer.constData());
}

Folder readFolder(libpff_item_t* folder)
{
    Folder result;
    result.name = readString(folder, libpff_folder_get_utf8_name_size, libpff_folder_get_utf8_name);
    int count = 0;
    if (libpff_folder_get_number_of_sub_folders(folder, &count, nullptr) == 1) {
        for (int i = 0; i < count; ++i) {
            libpff_item_t* sub = nullptr;
            if (libpff_folder_get_sub_folder(folder, i, &sub, nullptr) != 1)
                continue;
            result.subFolders.append(readFolder(sub));
            libpff_item_free(&sub, nullptr);
        }
    }
    count = 0;
    if (libpff_folder_get_number_of_sub_messages(folder, &count, nullptr) == 1) {
        for (int i = 0; i < count; ++i) {
            libpff_item_t* message = nullptr;
            if (libpff_folder_get_sub_message(folder, i, &message, nullptr) != 1)
                continue;
            result.messages.append({messageString(message, LIBPFF_ENTRY_TYPE_MESSAGE_CLASS),
                                    messageString(message, LIBPFF_ENTRY_TYPE_MESSAGE_SUBJECT)});
            libpff_item_free(&message, nullptr);
        }
    }
    return result;
}

void walkMessages(libpff_item_t* folder, const QString& path,
                  const std::function<void(const QString&, libpff_item_t*)>& visit)
{
    int count = 0;
    if (libpff_folder_get_number_of_sub_messages(folder, &count, nullptr) == 1) {
        for (int i = 0; i < count; ++i) {
            libpff_item_t* message = nullptr;
            if (libpff_folder_get_sub_message(folder, i, &message, nullptr) != 1)
                continue;
            visit(path, message);
            libpff_item_free(&message, nullptr);
        }
    }
    count = 0;
    if (libpff_folder_get_number_of_sub_folders(folder, &count, nullptr) == 1) {
        for (int i = 0; i < count; ++i) {
            libpff_item_t* sub = nullptr;
            if (libpff_folder_get_sub_folder(folder, i, &sub, nullptr) != 1)
                continue;
            const QString name = readString(sub, libpff_folder_get_utf8_name_size, libpff_folder_get_utf8_name);
            walkMessages(sub, path.isEmpty() ? name : path + '/' + name, visit);
            libpff_item_free(&sub, nullptr);
        }
    }
}

} // namespace

namespace {

// Opens the file with libpff and hands its root folder to `visit`; false
// (with `error` set) when libpff cannot open it or finds no root folder.
bool withRootFolder(const QString& path, int asciiCodepage, QString* error,
                    const std::function<void(libpff_item_t*)>& visit)
{
    libpff_file_t* file = nullptr;
    libpff_error_t* pffError = nullptr;
    if (libpff_file_initialize(&file, &pffError) != 1
        || (asciiCodepage && libpff_file_set_ascii_codepage(file, asciiCodepage, &pffError) != 1)
        || libpff_file_open(file, path.toLocal8Bit().constData(), LIBPFF_ACCESS_FLAG_READ, &pffError) != 1) {
        if (error) {
            char text[512] = {0};
            libpff_error_sprint(pffError, text, sizeof text);
            *error = QString::fromLocal8Bit(text);
        }
        libpff_error_free(&pffError);
        libpff_file_free(&file, nullptr);
        return false;
    }
    libpff_item_t* rootFolder = nullptr;
    const bool found = libpff_file_get_root_folder(file, &rootFolder, nullptr) == 1;
    if (found) {
        visit(rootFolder);
        libpff_item_free(&rootFolder, nullptr);
    } else if (error) {
        *error = QStringLiteral("libpff found no root folder");
    }
    libpff_file_close(file, nullptr);
    libpff_file_free(&file, nullptr);
    return found;
}

} // namespace

QList<MessageStrings> readMessages(const QString& path, const QList<quint32>& propertyIds, int asciiCodepage,
                                   bool* ok, QString* error)
{
    QList<MessageStrings> messages;
    *ok = withRootFolder(path, asciiCodepage, error, [&](libpff_item_t* rootFolder) {
        walkMessages(rootFolder, QString(), [&](const QString& folderPath, libpff_item_t* message) {
            MessageStrings strings{folderPath, {}};
            for (quint32 id : propertyIds) {
                size_t size = 0;
                // Present but empty values count as present.
                if (libpff_message_get_entry_value_utf8_string_size(message, id, &size, nullptr) == 1)
                    strings.values.insert(id, messageString(message, id));
            }
            messages.append(strings);
        });
    });
    return messages;
}

Folder readTree(const QString& path, bool* ok, QString* error)
{
    Folder root;
    *ok = withRootFolder(path, 0, error, [&](libpff_item_t* rootFolder) { root = readFolder(rootFolder); });
    return root;
}

bool forEachMessage(const QString& path, const std::function<void(const QString&, libpff_item_t*)>& visit,
                    QString* error)
{
    return withRootFolder(path, 0, error,
                          [&](libpff_item_t* rootFolder) { walkMessages(rootFolder, QString(), visit); });
}

QString value(libpff_item_t* item, quint32 propertyId)
{
    libpff_record_set_t* set = nullptr;
    libpff_record_entry_t* entry = nullptr;
    if (libpff_item_get_record_set_by_index(item, 0, &set, nullptr) != 1)
        return QString();
    QString text;
    uint32_t type = 0;
    if (libpff_record_set_get_entry_by_type(set, propertyId, 0, &entry, LIBPFF_ENTRY_VALUE_FLAG_MATCH_ANY_VALUE_TYPE,
                                            nullptr) == 1
        && libpff_record_entry_get_value_type(entry, &type, nullptr) == 1) {
        uint32_t u32 = 0;
        uint64_t u64 = 0;
        uint8_t flag = 0;
        double real = 0;
        size_t size = 0;
        if (type == 0x0003 && libpff_record_entry_get_data_as_32bit_integer(entry, &u32, nullptr) == 1)
            text = QString::number(u32);
        else if (type == 0x0040 && libpff_record_entry_get_data_as_filetime(entry, &u64, nullptr) == 1)
            text = QString::number(qint64(u64 / 10000000ULL) - 11644473600LL);
        else if (type == 0x000B && libpff_record_entry_get_data_as_boolean(entry, &flag, nullptr) == 1)
            text = QString::number(flag);
        else if (type == 0x0005 && libpff_record_entry_get_data_as_floating_point(entry, &real, nullptr) == 1)
            text = QString::number(real);
        else if (type == 0x001E || type == 0x001F)
            text = messageString(item, propertyId);
        else if (libpff_record_entry_get_data_size(entry, &size, nullptr) == 1) {
            QByteArray buffer(qsizetype(size), '\0');
            libpff_record_entry_get_data(entry, reinterpret_cast<uint8_t*>(buffer.data()), size, nullptr);
            text = QString::fromLatin1(buffer.toHex());
        }
    }
    libpff_record_entry_free(&entry, nullptr);
    libpff_record_set_free(&set, nullptr);
    return text;
}

QList<QByteArray> attachments(libpff_item_t* message)
{
    QList<QByteArray> out;
    int count = 0;
    libpff_message_get_number_of_attachments(message, &count, nullptr);
    for (int i = 0; i < count; ++i) {
        libpff_item_t* attachment = nullptr;
        size64_t size = 0;
        int type = 0;
        QByteArray data;
        if (libpff_message_get_attachment(message, i, &attachment, nullptr) == 1
            && libpff_attachment_get_type(attachment, &type, nullptr) == 1 && type == LIBPFF_ATTACHMENT_TYPE_DATA
            && libpff_attachment_get_data_size(attachment, &size, nullptr) == 1) {
            data.resize(qsizetype(size));
            qsizetype at = 0;
            while (at < data.size()) {
                const ssize_t n = libpff_attachment_data_read_buffer(
                    attachment, reinterpret_cast<uint8_t*>(data.data() + at), size_t(data.size() - at), nullptr);
                if (n <= 0)
                    break;
                at += n;
            }
            data.truncate(at);
        }
        libpff_item_free(&attachment, nullptr);
        out.append(data);
    }
    return out;
}

} // namespace PffOracle
