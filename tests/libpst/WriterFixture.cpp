// SPDX-License-Identifier: GPL-2.0-or-later
#include "WriterFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryFile>

#include <cstdlib>
#include <cstring>

namespace WriterFixture {

namespace {

template <typename T>
T* allocate()
{
    T* record = static_cast<T*>(calloc(1, sizeof(T)));
    if (!record)
        abort();
    return record;
}

void collect(pst_desc_tree* node, std::vector<pst_desc_tree*>& out)
{
    for (; node; node = node->next) {
        out.push_back(node);
        collect(node->child, out);
    }
}

} // namespace

ItemPtr newItem()
{
    return ItemPtr(allocate<pst_item>());
}

pst_item_email* addEmail(pst_item* item)
{
    if (!item->email)
        item->email = allocate<pst_item_email>();
    return item->email;
}

pst_item_contact* addContact(pst_item* item)
{
    if (!item->contact)
        item->contact = allocate<pst_item_contact>();
    return item->contact;
}

pst_item_appointment* addAppointment(pst_item* item)
{
    if (!item->appointment)
        item->appointment = allocate<pst_item_appointment>();
    return item->appointment;
}

pst_item_journal* addJournal(pst_item* item)
{
    if (!item->journal)
        item->journal = allocate<pst_item_journal>();
    return item->journal;
}

pst_item_attach* addAttachment(pst_item* item, const QByteArray& data)
{
    pst_item_attach* attach = allocate<pst_item_attach>();
    attach->method = PST_ATTACH_BY_VALUE;
    if (!data.isNull()) {
        attach->data.data = static_cast<char*>(malloc(data.size() + 1));
        memcpy(attach->data.data, data.constData(), data.size());
        attach->data.size = data.size();
    }
    pst_item_attach** tail = &item->attach;
    while (*tail)
        tail = &(*tail)->next;
    *tail = attach;
    return attach;
}

void addExtraField(pst_item* item, const char* name, const char* value)
{
    pst_item_extra_field* field = allocate<pst_item_extra_field>();
    field->field_name = strdup(name);
    field->value = strdup(value);
    pst_item_extra_field** tail = &item->extra_fields;
    while (*tail)
        tail = &(*tail)->next;
    *tail = field;
}

void setText(pst_string& target, const QByteArray& text)
{
    free(target.str);
    target.str = strdup(text.constData());
    target.is_utf8 = 1;
}

FILETIME* newFileTime(qint64 unixSeconds)
{
    // FILETIME counts 100 ns steps since 1601-01-01.
    const quint64 ticks = (quint64(unixSeconds) + 11644473600ULL) * 10000000ULL;
    FILETIME* time = allocate<FILETIME>();
    time->dwLowDateTime = quint32(ticks & 0xffffffffu);
    time->dwHighDateTime = quint32(ticks >> 32);
    return time;
}

QByteArray capture(const std::function<void(FILE*)>& write)
{
    char* buffer = nullptr;
    size_t size = 0;
    FILE* out = open_memstream(&buffer, &size);
    if (!out)
        return QByteArray();
    write(out);
    fclose(out);
    QByteArray bytes(buffer, int(size));
    free(buffer);
    return bytes;
}

bool writeFile(const QString& path, const std::function<void(FILE*)>& write)
{
    FILE* out = fopen(QFile::encodeName(path).constData(), "wb");
    if (!out)
        return false;
    write(out);
    return fclose(out) == 0;
}

QJsonObject runChecker(const QString& kind, const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("/usr/bin/python3"),
                  {QStringLiteral(LUMAROO_CHECKER_SCRIPT), kind, path});
    if (!process.waitForFinished(120000))
        return QJsonObject{{"error", "checker did not finish"}};
    const QByteArray output = process.readAllStandardOutput();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(output, &error);
    if (!document.isObject())
        return QJsonObject{{"error", QString::fromUtf8("checker output unreadable: " + output
                                                       + process.readAllStandardError())}};
    return document.object();
}

PstFile::PstFile(const QString& path)
{
    if (pst_open(&m_file, QFile::encodeName(path).constData(), nullptr) != 0)
        return;
    if (pst_load_index(&m_file) != 0) {
        pst_close(&m_file);
        return;
    }
    pst_load_extended_attributes(&m_file);
    m_open = true;
}

PstFile::~PstFile()
{
    if (m_open)
        pst_close(&m_file);
}

std::vector<pst_desc_tree*> PstFile::descriptors()
{
    std::vector<pst_desc_tree*> out;
    if (m_open)
        collect(m_file.d_head, out);
    return out;
}

ItemPtr PstFile::parse(pst_desc_tree* descriptor)
{
    return ItemPtr(pst_parse_item(&m_file, descriptor, nullptr));
}

std::vector<ItemPtr> PstFile::items(const std::function<bool(const pst_item*)>& accept)
{
    std::vector<ItemPtr> out;
    for (pst_desc_tree* descriptor : descriptors()) {
        ItemPtr item = parse(descriptor);
        if (item && accept(item.get()))
            out.push_back(std::move(item));
    }
    return out;
}

ItemPtr PstFile::parseEmbedded(const pst_item_attach* attach)
{
    pst_index_ll* index = pst_getID(&m_file, attach->i_id);
    if (!index)
        return ItemPtr();
    pst_desc_tree descriptor;
    memset(&descriptor, 0, sizeof(descriptor));
    descriptor.desc = index;
    return ItemPtr(pst_parse_item(&m_file, &descriptor, attach->id2_head));
}

QByteArray PstFile::attachmentBytes(pst_item_attach* attach)
{
    if (attach->data.data)
        return QByteArray(attach->data.data, int(attach->data.size));
    pst_binary binary = pst_attach_to_mem(&m_file, attach);
    QByteArray bytes(binary.data, int(binary.size));
    free(binary.data);
    return bytes;
}

} // namespace WriterFixture
