// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstProperty.h"

#include <QString>
#include <QUuid>

#include <map>
#include <tuple>
#include <vector>

// The store's name-to-id map: hands out property ids from 0x8000 on for
// named properties (a property set GUID with a number or a string) and
// produces the properties of the map's node.
class PstNamedPropertyMap
{
public:
    // Well-known property sets.
    static const QUuid kPublicStrings;
    static const QUuid kCommon;
    static const QUuid kAddress;
    static const QUuid kAppointment;
    static const QUuid kTask;
    static const QUuid kLog;
    static const QUuid kNote;
    static const QUuid kInternetHeaders;

    // The property id of a property named by number (MNID_ID).
    uint16_t idOf(const QUuid& set, uint32_t number);
    // The property id of a property named by string (MNID_STRING).
    uint16_t idOf(const QUuid& set, const QString& name);
    // The properties of the name-to-id map node.
    std::vector<PstProperty> properties() const;

private:
    struct Entry {
        QUuid set;
        bool isString = false;
        uint32_t number = 0;
        QString name;
    };
    uint16_t guidIndex(const QUuid& set) const;

    std::vector<Entry> m_entries;
    std::vector<QUuid> m_guids;
    std::map<std::tuple<QUuid, bool, uint32_t, QString>, uint16_t> m_ids;
};
