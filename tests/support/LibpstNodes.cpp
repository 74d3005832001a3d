// SPDX-License-Identifier: GPL-2.0-or-later
#include "LibpstNodes.h"

#include "NodeDataReader.h"

#include <QFile>
#include <QVariant>

namespace {

pst_desc_tree* findNode(pst_desc_tree* node, quint64 id)
{
    for (; node; node = node->next) {
        if (node->d_id == id)
            return node;
        if (pst_desc_tree* below = findNode(node->child, id))
            return below;
    }
    return nullptr;
}

void walk(pst_file* file, pst_desc_tree* node, const std::function<void(pst_desc_tree*, pst_item*)>& visit)
{
    for (; node; node = node->next) {
        pst_item* item = pst_parse_item(file, node, nullptr);
        visit(node, item);
        if (item)
            pst_freeItem(item);
        walk(file, node->child, visit);
    }
}

} // namespace

LibpstNodes::LibpstNodes(const QString& path)
{
    if (pst_open(&m_file, QFile::encodeName(path).constData(), "utf-8") != 0)
        return;
    m_open = true;
    m_loaded = pst_load_index(&m_file) == 0;
    pst_load_extended_attributes(&m_file);
}

LibpstNodes::~LibpstNodes()
{
    if (m_open)
        pst_close(&m_file);
}

void LibpstNodes::forEachItem(const std::function<void(pst_desc_tree*, pst_item*)>& visit)
{
    walk(&m_file, m_file.d_head, visit);
}

pst_desc_tree* LibpstNodes::firstWhere(const std::function<bool(pst_item*)>& match)
{
    pst_desc_tree* found = nullptr;
    forEachItem([&](pst_desc_tree* node, pst_item* item) {
        if (!found && item && !item->folder && match(item))
            found = node;
    });
    return found;
}

pst_desc_tree* LibpstNodes::firstOfType(int type)
{
    return firstWhere([type](pst_item* item) { return item->type == type; });
}

pst_desc_tree* LibpstNodes::withSubject(const QString& subject)
{
    return firstWhere([&](pst_item* item) { return item->subject.str && QString::fromUtf8(item->subject.str) == subject; });
}

pst_desc_tree* LibpstNodes::nodeById(quint64 id)
{
    return findNode(m_file.d_head, id);
}

QByteArray LibpstNodes::firstBlock(quint64 nodeId)
{
    const pst_desc_tree* node = nodeById(nodeId);
    const QList<QByteArray> blocks = node && node->desc ? NodeDataReader(&m_file).dataBlocks(node->desc->i_id)
                                                        : QList<QByteArray>();
    return blocks.value(0);
}

QString propertyText(const MapiPropertyReader& reader, const QString& property)
{
    using R = MapiPropertyReader;
    const QStringList parts = property.split(' ');
    const QString set = parts.value(0), type = parts.value(1);
    const quint32 id = parts.value(2).toUInt(nullptr, 16);
    const QUuid address(0x00062004, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46);
    const QUuid guid = set == "task" ? R::kPsetidTask : set == "log" ? R::kPsetidLog : set == "common" ? R::kPsetidCommon : address;
    const bool tag = set == "tag";
    const auto text = [](const auto& value) { return value ? QVariant(*value).toString() : QString(); };
    if (type == "int32")
        return text(tag ? reader.int32(quint16(id)) : reader.int32Named(guid, id));
    if (type == "double")
        return text(reader.doubleNamed(guid, id));
    if (type == "bool")
        return text(reader.boolNamed(guid, id));
    if (type == "string")
        return text(tag ? reader.string(quint16(id)) : reader.stringNamed(guid, id));
    if (type == "filetime")
        return text(reader.filetimeNamed(guid, id));
    if (type == "binary")
        return text(reader.binary(quint16(id)));
    if (type == "id") {
        const auto named = reader.namedPropertyId(guid, id);
        return named ? QString::number(*named, 16) : QString();
    }
    return QStringLiteral("(unknown type %1)").arg(type);
}
