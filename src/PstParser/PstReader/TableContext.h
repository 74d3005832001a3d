// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PropertyContext.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

// The rows of a table context (a folder's contents table, say), parsed from
// the node's heap and, for a large table, the subnode holding its rows.
// Pure parsing over untrusted bytes: damage gives no table or an absent
// cell, never a read outside the blocks.
class TableContext
{
public:
    // The data blocks of one of the table node's subnodes; empty when it
    // has none of this id or they cannot be read.
    using SubnodeData = std::function<QList<QByteArray>(quint32 subnodeId)>;

    // False, leaving no rows, when the blocks are no readable table.
    bool parse(const QList<QByteArray>& blocks, const SubnodeData& subnodeData,
               PropertyContext::HeapIds ids = PropertyContext::HeapIds::Standard);

    int rowCount() const { return m_rowSize > 0 ? int(m_rows.size() / m_rowSize) : 0; }
    // The row's id: in a contents table, the node id of the message.
    quint32 rowId(int row) const;
    // A string cell (8-bit or UTF-16); nothing when the table has no such
    // column, the row no such value, or the value cannot be read.
    std::optional<QString> string(int row, quint16 propertyId) const;

    // Rows read at most, so a damaged table cannot make a walk explode.
    static constexpr int kMaxRows = 4 * 1024 * 1024;

private:
    struct Column
    {
        quint16 type = 0;
        quint16 id = 0;
        int offset = 0;
        int size = 0;
        int bit = 0;
    };

    bool readColumns(const QByteArray& info);
    bool readRows(quint32 rowsReference);
    // The cell's bytes, empty when the row has no value in this column.
    QByteArray cell(int row, const Column& column) const;
    // A value the table keeps in its heap or in a subnode.
    std::optional<QByteArray> value(quint32 reference) const;
    const Column* column(quint16 propertyId) const;

    QList<QByteArray> m_blocks;
    PropertyContext::HeapIds m_heapIds = PropertyContext::HeapIds::Standard;
    SubnodeData m_subnodeData;
    QList<Column> m_columns;
    // The rows back to back, m_rowSize bytes each.
    QByteArray m_rows;
    int m_rowSize = 0;
    // Where in a row the bits saying which cells hold a value begin.
    int m_presenceOffset = 0;
};
