// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "MapiPropertyReader.h"

#include <libpst/libpst.h>

#include <QByteArray>
#include <QString>

#include <functional>

// A PST file opened by libpst alone (index and name map loaded), closed on
// scope exit: for tests that read nodes below the item tree.
class LibpstNodes
{
public:
    explicit LibpstNodes(const QString& path);
    ~LibpstNodes();
    LibpstNodes(const LibpstNodes&) = delete;
    LibpstNodes& operator=(const LibpstNodes&) = delete;

    bool ok() const { return m_open && m_loaded; }
    pst_file* file() { return &m_file; }
    bool isAnsi() const { return m_file.do_read64 == 0; }

    // Calls visit for every node with libpst's record of it (null when
    // libpst cannot parse it).
    void forEachItem(const std::function<void(pst_desc_tree*, pst_item*)>& visit);
    // The first message (not folder) node whose libpst record has this type.
    pst_desc_tree* firstOfType(int type);
    // The first message node whose subject libpst reads as this.
    pst_desc_tree* withSubject(const QString& subject);
    pst_desc_tree* nodeById(quint64 id);
    // The first block of a node's data, decoded; empty when unreadable.
    QByteArray firstBlock(quint64 nodeId);

private:
    pst_desc_tree* firstWhere(const std::function<bool(pst_item*)>& match);

    pst_file m_file{};
    bool m_open = false;
    bool m_loaded = false;
};

// One value of a message read by the program's property reader, as text, ""
// when absent. `property` is "SET TYPE ID": SET task, log, common or address for
// named properties, tag for the property id itself; TYPE int32, double, bool,
// string, filetime, binary, or id (the id a named property has in this file).
QString propertyText(const MapiPropertyReader& reader, const QString& property);
