// SPDX-License-Identifier: GPL-2.0-or-later
#include "LibpstFile.h"

#include <QFile>

LibpstFile::LibpstFile(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    if (pst_open(&m_file, name.constData(), nullptr) != 0)
        return;
    m_open = pst_load_index(&m_file) == 0;
    if (!m_open)
        return;
    pst_load_extended_attributes(&m_file);
    pst_desc_tree* store = m_file.d_head;
    while (store && store->d_id != 0x21)
        store = store->next;
    pst_item* storeItem = store ? pst_parse_item(&m_file, store, nullptr) : nullptr;
    pst_desc_tree* top = storeItem ? pst_getTopOfFolders(&m_file, storeItem) : nullptr;
    pst_freeItem(storeItem);
    if (!top) {
        m_open = false;
        return;
    }
    collect(top->child, QString(), true, {});
}

LibpstFile::~LibpstFile()
{
    for (const Message& m : m_messages)
        pst_freeItem(m.item);
    if (m_open)
        pst_close(&m_file);
}

void LibpstFile::collect(pst_desc_tree* node, const QString& path, bool keep,
                         const std::function<void(const QString&, pst_item*)>& visit)
{
    for (; node; node = node->next) {
        pst_item* item = pst_parse_item(&m_file, node, nullptr);
        if (!item)
            continue;
        if (item->folder) {
            const QString childPath = (path.isEmpty() ? QString() : path + QLatin1Char('/')) + text(item->file_as);
            m_folders.append(childPath);
            pst_freeItem(item);
            collect(node->child, childPath, keep, visit);
            continue;
        }
        if (visit)
            visit(path, item);
        if (keep)
            m_messages.push_back({path, item});
        else
            pst_freeItem(item);
    }
}

bool LibpstFile::walk(const QString& path, const std::function<void(const QString&, pst_item*)>& visit)
{
    LibpstFile file;
    const QByteArray name = QFile::encodeName(path);
    if (pst_open(&file.m_file, name.constData(), nullptr) != 0 || pst_load_index(&file.m_file) != 0)
        return false;
    file.m_open = true;
    pst_load_extended_attributes(&file.m_file);
    pst_desc_tree* store = file.m_file.d_head;
    while (store && store->d_id != 0x21)
        store = store->next;
    pst_item* storeItem = store ? pst_parse_item(&file.m_file, store, nullptr) : nullptr;
    pst_desc_tree* top = storeItem ? pst_getTopOfFolders(&file.m_file, storeItem) : nullptr;
    pst_freeItem(storeItem);
    if (!top)
        return false;
    file.collect(top->child, QString(), false, visit);
    return true;
}

pst_item* LibpstFile::find(const QString& folderPath, const QString& subject) const
{
    for (const Message& m : m_messages) {
        if (m.folderPath == folderPath && text(m.item->subject) == subject)
            return m.item;
    }
    return nullptr;
}

qint64 LibpstFile::seconds(const FILETIME* t)
{
    if (!t)
        return -1;
    const quint64 ticks = (quint64(t->dwHighDateTime) << 32) | t->dwLowDateTime;
    return qint64(ticks / 10000000ULL) - 11644473600LL;
}
