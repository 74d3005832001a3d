// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "NodeDataReader.h"
#include "PropertyContext.h"

#include <QHash>
#include <QSet>

#include <libpst/libpst.h>

// Checks a node's bytes before libpst parses them. libpst trusts the
// structures it reads: a property whose stored type does not match the
// value libpst expects for its id, a value reference that names nothing, or
// a name-to-id map entry pointing past its stream make it read through null
// or stray pointers. A node this guard rejects is one libpst must not see.
// Uses the pst_file read-only; not at the same time as other users of it.
class NodeGuard
{
public:
    // The file must stay open while the guard is used.
    explicit NodeGuard(pst_file* file);

    // What the check read of a node's own property context, so a caller
    // reading the node's values next need not read its blocks again.
    struct CheckedNode
    {
        bool hasContext = false; // false for nodes that are tables or streams
        PropertyContext context;
        QHash<quint32, NodeDataReader::Subnode> subnodes;
        // The property ids of the records libpst reads along with the node
        // (attachments, recipient table rows), which may give the node's
        // own record values too.
        QSet<quint16> attachedIds;
    };

    // True when the node's property context, the values it references and
    // the attachment and recipient tables libpst reads with it are sound.
    bool isSound(const pst_desc_tree* node) const;
    // The same, handing what it read to `checked` (may be null).
    bool isSound(const pst_desc_tree* node, CheckedNode* checked) const;
    // True when the file's name-to-id map (node 0x61) is sound or absent.
    bool isNameMapSound() const;

private:
    using Subnodes = QHash<quint32, NodeDataReader::Subnode>;

    // isSound() as read from the file now, whatever was found before.
    bool isSoundAsRead(const pst_desc_tree* node, CheckedNode* checked) const;

    // `attachedRecord`: the context of an attachment or other record libpst
    // reads along with a message, whose ids it reads differently.
    bool readContext(const QList<QByteArray>& blocks, quint64 subnodeBlock, PropertyContext& context,
                     Subnodes& subnodes, bool attachedRecord = false) const;
    // `attachedIds` (may be null) gets the ids of the records checked.
    bool areSubnodeTablesSound(const PropertyContext& context, const Subnodes& subnodes,
                               QSet<quint16>* attachedIds = nullptr) const;
    bool isSubnodeSound(const NodeDataReader::Subnode& subnode, QSet<quint16>* attachedIds = nullptr) const;
    bool areValueBlocksReadable(const PropertyContext& context, const Subnodes& subnodes) const;
    bool isSubnodeDataReadable(const Subnodes& subnodes, quint32 subnodeId) const;
    // The message an attachment record holds, if any, checked as a message.
    bool isAttachedMessageSound(const PropertyContext& attachment, const Subnodes& subnodes) const;

    PropertyContext::HeapIds heapIds() const { return PropertyContext::heapIdsOf(m_reader.hasFourKPages()); }

    pst_file* m_file = nullptr;
    NodeDataReader m_reader;
    mutable int m_attachedDepth = 0;
};
