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

void collectMessages(libpff_item_t* folder, const QString& path, const QList<quint32>& propertyIds,
                     QList<MessageStrings>* messages)
{
    int count = 0;
    if (libpff_folder_get_number_of_sub_messages(folder, &count, nullptr) == 1) {
        for (int i = 0; i < count; ++i) {
            libpff_item_t* message = nullptr;
            if (libpff_folder_get_sub_message(folder, i, &message, nullptr) != 1)
                continue;
            MessageStrings strings{path, {}};
            for (quint32 id : propertyIds) {
                size_t size = 0;
                // Present but empty values count as present.
                if (libpff_message_get_entry_value_utf8_string_size(message, id, &size, nullptr) == 1)
                    strings.values.insert(id, messageString(message, id));
            }
            messages->append(strings);
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
            collectMessages(sub, path.isEmpty() ? name : path + '/' + name, propertyIds, messages);
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
        collectMessages(rootFolder, QString(), propertyIds, &messages);
    });
    return messages;
}

Folder readTree(const QString& path, bool* ok, QString* error)
{
    Folder root;
    *ok = withRootFolder(path, 0, error, [&](libpff_item_t* rootFolder) { root = readFolder(rootFolder); });
    return root;
}

} // namespace PffOracle
