// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PropertyContext.h"

#include <QString>

#include <optional>

#include <libpst/libpst.h>

// A quick look at a few plain properties of one node (a folder, a message,
// the message store): reads only the node's own property context, not the
// named-property map or subnodes, so it is cheap enough to call for many
// nodes. Values kept in subnodes (very long strings) read as absent. Uses
// the pst_file read-only, so not at the same time as other readers of it.
class NodePropertyPeek
{
public:
    NodePropertyPeek(pst_file* file, const pst_desc_tree* node);
    // The same over a property context read already (NodeGuard::CheckedNode).
    explicit NodePropertyPeek(const PropertyContext& properties);

    bool isValid() const { return m_valid; }
    // 16- and 32-bit integers and booleans; absent when missing or of another type.
    std::optional<qint32> int32(quint16 propertyId) const;
    // Unicode strings; 8-bit ones as UTF-8 when valid, else Latin-1.
    std::optional<QString> string(quint16 propertyId) const;

private:
    PropertyContext m_properties;
    bool m_valid = false;
};
