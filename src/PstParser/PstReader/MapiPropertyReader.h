// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "NodeDataReader.h"
#include "PropertyContext.h"

#include <QByteArray>
#include <QHash>
#include <QPair>
#include <QString>
#include <QUuid>

#include <optional>

#include <libpst/libpst.h>

// Reads a message's own MAPI properties straight from its node in the PST
// file, for the values libpst's item record does not carry (the task
// properties, the journal duration). Named properties are resolved through
// the file's name-to-id map, so a property is found by its property set and
// number, never confused with another set's property of the same number.
// Every value is optional: a missing property and a damaged block both read
// as absent. Reads the node once, on construction; uses the pst_file
// read-only, so not at the same time as other readers of the same file.
class MapiPropertyReader
{
public:
    // Property sets of the named properties.
    static constexpr QUuid kPsetidTask{0x00062003, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
    static constexpr QUuid kPsetidLog{0x0006200A, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
    static constexpr QUuid kPsetidCommon{0x00062008, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

    // Task properties (set kPsetidTask).
    static constexpr quint32 kLidTaskStatus = 0x8101;          // 32-bit integer, 0 to 4
    static constexpr quint32 kLidPercentComplete = 0x8102;     // double, 0.0 to 1.0
    static constexpr quint32 kLidTaskStartDate = 0x8104;       // FILETIME
    static constexpr quint32 kLidTaskDueDate = 0x8105;         // FILETIME
    static constexpr quint32 kLidTaskDateCompleted = 0x810F;   // FILETIME
    static constexpr quint32 kLidTaskActualEffort = 0x8110;    // 32-bit integer, minutes
    static constexpr quint32 kLidTaskEstimatedEffort = 0x8111; // 32-bit integer, minutes
    static constexpr quint32 kLidTaskComplete = 0x811C;        // boolean
    static constexpr quint32 kLidTaskOwner = 0x811F;           // string
    // Journal properties (set kPsetidLog).
    static constexpr quint32 kLidLogStart = 0x8706;            // FILETIME
    static constexpr quint32 kLidLogDuration = 0x8707;         // 32-bit integer, minutes
    static constexpr quint32 kLidLogEnd = 0x8708;              // FILETIME

    // Reads the properties of node (a message's descriptor) of file. The
    // node is used only here; the file must stay open while the reader
    // lives, as values stored in subnodes are read on demand.
    MapiPropertyReader(pst_file* file, pst_desc_tree* node);
    // Reads the values of a node whose property context the caller has read
    // already (NodeGuard::CheckedNode). Named properties stay unresolved:
    // the name-to-id map is not read.
    MapiPropertyReader(pst_file* file, const PropertyContext& properties,
                       const QHash<quint32, NodeDataReader::Subnode>& subnodes);

    // True when the node's properties could be read; otherwise every value
    // reads as absent.
    bool isValid() const;

    // The file's 16-bit id of a named property (0x8000 and above), or nothing
    // when the file has no such name or its map cannot be read.
    std::optional<quint16> namedPropertyId(const QUuid& propertySet, quint32 lid) const;

    // The stored type of a property, nothing when the node has none.
    std::optional<quint16> type(quint16 propertyId) const;

    // Values by 16-bit property id. Each is absent when the property is
    // missing, of another type, or damaged.
    // 32-bit integer (16-bit integers are widened).
    std::optional<qint32> int32(quint16 propertyId) const;
    // Floating point (double or float).
    std::optional<double> floating(quint16 propertyId) const;
    // Boolean; an integer property reads as true when non-zero.
    std::optional<bool> boolean(quint16 propertyId) const;
    // Time as the raw FILETIME value: 100-nanosecond intervals since
    // 1601-01-01 00:00 UTC (not converted to Unix seconds).
    std::optional<qint64> filetime(quint16 propertyId) const;
    // Text: Unicode strings decoded from UTF-16; 8-bit strings from UTF-8
    // when valid, otherwise as Latin-1 (use binary() to decode a code page).
    std::optional<QString> string(quint16 propertyId) const;
    // The stored bytes of a string or binary property (strings without their
    // terminating zero), for callers that decode code pages themselves.
    std::optional<QByteArray> binary(quint16 propertyId) const;

    // The same for named properties, looked up by property set and number.
    std::optional<qint32> int32Named(const QUuid& propertySet, quint32 lid) const;
    std::optional<double> doubleNamed(const QUuid& propertySet, quint32 lid) const;
    std::optional<bool> boolNamed(const QUuid& propertySet, quint32 lid) const;
    std::optional<qint64> filetimeNamed(const QUuid& propertySet, quint32 lid) const;
    std::optional<QString> stringNamed(const QUuid& propertySet, quint32 lid) const;
    // The values of a multi-valued binary property (type 0x1102).
    std::optional<QList<QByteArray>> binaryListNamed(const QUuid& propertySet, quint32 lid) const;

private:
    // Bytes of a value wherever it is stored; nothing when unreadable.
    std::optional<QByteArray> valueBytes(const PropertyContext::Property& property) const;
    std::optional<QByteArray> fixedValue(quint16 propertyId, quint16 type, qsizetype size) const;
    void readNameMap(pst_file* file);

    NodeDataReader m_blocks;
    PropertyContext m_properties;
    QHash<quint32, NodeDataReader::Subnode> m_subnodes;
    QHash<QPair<QUuid, quint32>, quint16> m_namedIds;
    bool m_valid = false;
};
