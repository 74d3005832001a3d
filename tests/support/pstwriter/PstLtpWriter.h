// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstNdbWriter.h"
#include "PstProperty.h"

#include <functional>
#include <vector>

// The lists-tables-properties layer: turns property lists into property
// contexts and rows into table contexts, and writes them as nodes' data.
class PstLtpWriter
{
public:
    struct NodeImage {
        uint64_t bidData = 0;
        uint64_t bidSub = 0;
    };
    struct Column {
        uint16_t id;
        uint16_t type;
    };
    struct Row {
        uint32_t rowId = 0;
        std::vector<PstProperty> cells;
    };

    explicit PstLtpWriter(PstNdbWriter& ndb);

    // Writes a property context. subnodes are the node's already written
    // children (tables, attachments); large values join them.
    NodeImage writePropertyContext(const std::vector<PstProperty>& properties,
                                   std::vector<PstNdbWriter::SubnodeEntry> subnodes = {});
    // Writes a table context with the given columns; cells missing from a row stay unset.
    NodeImage writeTableContext(const std::vector<Column>& columns, const std::vector<Row>& rows);
    // The same for rows made one at a time, so that large tables never exist
    // twice in memory.
    NodeImage writeTableContext(const std::vector<Column>& columns, size_t rowCount,
                                const std::function<Row(size_t)>& rowAt);

private:
    PstNdbWriter& m_ndb;
};
