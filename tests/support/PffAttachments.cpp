// SPDX-License-Identifier: GPL-2.0-or-later
#include "PffAttachments.h"

#include <libpff.h>

#include <QDateTime>

namespace PffOracle {
namespace {

QString subjectOf(libpff_item_t* item)
{
    size_t size = 0;
    if (libpff_message_get_entry_value_utf8_string_size(item, LIBPFF_ENTRY_TYPE_MESSAGE_SUBJECT, &size, nullptr) != 1
        || size == 0)
        return QString();
    QByteArray buffer(qsizetype(size), '\0');
    libpff_message_get_entry_value_utf8_string(item, LIBPFF_ENTRY_TYPE_MESSAGE_SUBJECT,
                                               reinterpret_cast<uint8_t*>(buffer.data()), size, nullptr);
    return QString::fromUtf8(buffer.constData());
}

int typeOf(libpff_item_t* item)
{
    uint8_t type = 0;
    return libpff_item_get_type(item, &type, nullptr) == 1 ? type : -1;
}

AppointmentAttachment read(libpff_item_t* attachment, bool* known)
{
    AppointmentAttachment found;
    int type = 0;
    *known = false;
    libpff_attachment_get_type(attachment, &type, nullptr);
    if (type == LIBPFF_ATTACHMENT_TYPE_DATA) {
        size64_t size = 0;
        libpff_attachment_get_data_size(attachment, &size, nullptr);
        found.data.resize(qsizetype(size));
        *known = size == 0 || libpff_attachment_data_read_buffer(attachment, reinterpret_cast<uint8_t*>(found.data.data()),
                                                                 size_t(size), nullptr) == ssize_t(size);
        return found;
    }
    libpff_item_t* item = nullptr;
    if (type != LIBPFF_ATTACHMENT_TYPE_ITEM || libpff_attachment_get_item(attachment, &item, nullptr) != 1)
        return found;
    uint64_t start = 0;
    if (typeOf(item) == LIBPFF_ITEM_TYPE_APPOINTMENT && libpff_appointment_get_start_time(item, &start, nullptr) == 1) {
        // FILETIME: 100 ns steps since 1601-01-01 UTC.
        const QDateTime utc = QDateTime::fromSecsSinceEpoch(qint64(start / 10000000) - 11644473600LL, Qt::UTC);
        found = {AppointmentAttachment::Occurrence, {}, utc.toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"))};
    } else {
        found = {AppointmentAttachment::Item, {}, subjectOf(item)};
    }
    *known = !found.text.isEmpty();
    libpff_item_free(&item, nullptr);
    return found;
}

void collect(libpff_item_t* folder, QList<AppointmentAttachment>* found)
{
    int count = 0;
    libpff_folder_get_number_of_sub_messages(folder, &count, nullptr);
    for (int i = 0; i < count; ++i) {
        libpff_item_t* message = nullptr;
        if (libpff_folder_get_sub_message(folder, i, &message, nullptr) != 1)
            continue;
        int attachments = 0;
        if (typeOf(message) == LIBPFF_ITEM_TYPE_APPOINTMENT)
            libpff_message_get_number_of_attachments(message, &attachments, nullptr);
        for (int a = 0; a < attachments; ++a) {
            libpff_item_t* attachment = nullptr;
            if (libpff_message_get_attachment(message, a, &attachment, nullptr) != 1)
                continue;
            bool known = false;
            const AppointmentAttachment each = read(attachment, &known);
            if (known)
                found->append(each);
            libpff_item_free(&attachment, nullptr);
        }
        libpff_item_free(&message, nullptr);
    }
    count = 0;
    libpff_folder_get_number_of_sub_folders(folder, &count, nullptr);
    for (int i = 0; i < count; ++i) {
        libpff_item_t* sub = nullptr;
        if (libpff_folder_get_sub_folder(folder, i, &sub, nullptr) != 1)
            continue;
        collect(sub, found);
        libpff_item_free(&sub, nullptr);
    }
}

} // namespace

QList<AppointmentAttachment> appointmentAttachments(const QString& path, bool* ok)
{
    QList<AppointmentAttachment> found;
    libpff_file_t* file = nullptr;
    libpff_item_t* root = nullptr;
    *ok = libpff_file_initialize(&file, nullptr) == 1
        && libpff_file_open(file, path.toLocal8Bit().constData(), LIBPFF_ACCESS_FLAG_READ, nullptr) == 1
        && libpff_file_get_root_folder(file, &root, nullptr) == 1;
    if (root)
        collect(root, &found);
    libpff_item_free(&root, nullptr);
    libpff_file_close(file, nullptr);
    libpff_file_free(&file, nullptr);
    return found;
}

} // namespace PffOracle
