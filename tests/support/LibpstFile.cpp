// SPDX-License-Identifier: GPL-2.0-or-later
#include "LibpstFile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdlib>
#include <cstring>

namespace LibpstFixture {

void* allocateZeroed(size_t size)
{
    void* memory = calloc(1, size);
    if (!memory)
        abort();
    return memory;
}

ItemPtr newItem()
{
    return ItemPtr(static_cast<pst_item*>(allocateZeroed(sizeof(pst_item))));
}

pst_item_attach* addAttachment(pst_item* item, const QByteArray& data)
{
    auto* attach = static_cast<pst_item_attach*>(allocateZeroed(sizeof(pst_item_attach)));
    attach->method = PST_ATTACH_BY_VALUE;
    if (!data.isNull())
        setBinary(attach->data, data);
    pst_item_attach** tail = &item->attach;
    while (*tail)
        tail = &(*tail)->next;
    *tail = attach;
    return attach;
}

void addExtraField(pst_item* item, const char* name, const char* value)
{
    auto* field = static_cast<pst_item_extra_field*>(allocateZeroed(sizeof(pst_item_extra_field)));
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

void setBinary(pst_binary& target, const QByteArray& data)
{
    free(target.data);
    target.data = static_cast<char*>(malloc(size_t(data.size()) + 1));
    memcpy(target.data, data.constData(), size_t(data.size()));
    target.size = size_t(data.size());
}

FILETIME* newFileTime(qint64 unixSeconds)
{
    // FILETIME counts 100 ns steps since 1601-01-01.
    const quint64 ticks = (quint64(unixSeconds) + 11644473600ULL) * 10000000ULL;
    auto* time = static_cast<FILETIME*>(allocateZeroed(sizeof(FILETIME)));
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

QJsonObject runChecker(const QString& kind, const QByteArray& text)
{
    return runChecker(kind, QList<QByteArray>{text}).first().toObject();
}

QJsonArray runChecker(const QString& kind, const QList<QByteArray>& texts)
{
    QTemporaryDir dir;
    dir.setAutoRemove(qEnvironmentVariableIsEmpty("LUMAROO_KEEP_OUTPUT"));
    QStringList arguments{QStringLiteral(LUMAROO_CHECKER_SCRIPT), kind};
    for (const QByteArray& text : texts) {
        QFile file(dir.filePath(QStringLiteral("%1.%2").arg(arguments.size() - 1).arg(kind)));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            return QJsonArray{QJsonObject{{"error", "cannot write " + file.fileName()}}};
        arguments << file.fileName();
    }
    QProcess process;
    process.start(QStringLiteral("/usr/bin/python3"), arguments);
    if (!process.waitForFinished(300000))
        return QJsonArray{QJsonObject{{"error", "checker did not finish"}}};
    const QByteArray output = process.readAllStandardOutput();
    const QJsonDocument document = QJsonDocument::fromJson(output);
    QJsonArray results = document.isObject() ? QJsonArray{document.object()} : document.array();
    if (results.size() != texts.size())
        return QJsonArray{QJsonObject{{"error", QString::fromUtf8("checker output unreadable: " + output
                                                                 + process.readAllStandardError())}}};
    for (int i = 0; i < results.size(); ++i) {
        QJsonObject result = results[i].toObject();
        if (result.contains("error"))
            result["error"] = result["error"].toString() + " (" + arguments[i + 2] + ")";
        results[i] = result;
    }
    return results;
}

LibpstFile::LibpstFile(const QString& path)
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

LibpstFile::~LibpstFile()
{
    if (m_open)
        pst_close(&m_file);
}

std::vector<pst_desc_tree*> LibpstFile::descriptors()
{
    std::vector<pst_desc_tree*> out;
    std::function<void(pst_desc_tree*)> collect = [&](pst_desc_tree* node) {
        for (; node; node = node->next) {
            out.push_back(node);
            collect(node->child);
        }
    };
    if (m_open)
        collect(m_file.d_head);
    return out;
}

ItemPtr LibpstFile::parse(pst_desc_tree* descriptor)
{
    return ItemPtr(pst_parse_item(&m_file, descriptor, nullptr));
}

std::vector<ItemPtr> LibpstFile::items(const std::function<bool(const pst_item*)>& accept)
{
    std::vector<ItemPtr> out;
    for (pst_desc_tree* descriptor : descriptors()) {
        ItemPtr item = parse(descriptor);
        if (item && accept(item.get()))
            out.push_back(std::move(item));
    }
    return out;
}

ItemPtr LibpstFile::parseEmbedded(const pst_item_attach* attach)
{
    // An attached message is its data block with the attachment's sub-nodes.
    pst_desc_tree descriptor{};
    descriptor.desc = pst_getID(&m_file, attach->i_id);
    return descriptor.desc ? ItemPtr(pst_parse_item(&m_file, &descriptor, attach->id2_head)) : ItemPtr();
}

QByteArray LibpstFile::attachmentBytes(pst_item_attach* attach)
{
    if (attach->data.data)
        return QByteArray(attach->data.data, qsizetype(attach->data.size));
    pst_binary binary = pst_attach_to_mem(&m_file, attach);
    QByteArray bytes(binary.data, qsizetype(binary.size));
    free(binary.data);
    return bytes;
}

QStringList LibpstFile::folderPaths()
{
    QStringList folders;
    walk(nullptr, QString(), &folders, nullptr);
    return folders;
}

std::vector<LibpstFile::Message> LibpstFile::messages()
{
    std::vector<Message> messages;
    walk(nullptr, QString(), nullptr, &messages);
    return messages;
}

void LibpstFile::walk(pst_desc_tree* node, const QString& path, QStringList* folders, std::vector<Message>* messages)
{
    if (!node && path.isNull()) { // start at the top of the personal folders
        pst_desc_tree* store = m_open ? m_file.d_head : nullptr;
        while (store && store->d_id != 0x21)
            store = store->next;
        ItemPtr storeItem(store ? pst_parse_item(&m_file, store, nullptr) : nullptr);
        pst_desc_tree* top = storeItem ? pst_getTopOfFolders(&m_file, storeItem.get()) : nullptr;
        if (top)
            walk(top->child, QStringLiteral(""), folders, messages);
        return;
    }
    for (; node; node = node->next) {
        ItemPtr item = parse(node);
        if (!item)
            continue;
        if (item->folder) {
            const QString childPath = (path.isEmpty() ? QString() : path + QLatin1Char('/')) + text(item->file_as);
            if (folders)
                folders->append(childPath);
            walk(node->child, childPath, folders, messages);
        } else if (messages) {
            messages->push_back({path, std::move(item)});
        }
    }
}

qint64 LibpstFile::seconds(const FILETIME* t)
{
    if (!t)
        return -1;
    const quint64 ticks = (quint64(t->dwHighDateTime) << 32) | t->dwLowDateTime;
    return qint64(ticks / 10000000ULL) - 11644473600LL;
}

} // namespace LibpstFixture
