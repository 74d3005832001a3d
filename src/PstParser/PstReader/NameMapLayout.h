// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QtGlobal>

// Layout of a PST file's name-to-id map (node 0x61), shared by the readers
// that resolve named properties and the checks that guard libpst from it.
namespace NameMapLayout {

constexpr quint64 kNodeId = 0x61;
constexpr quint16 kGuidStream = 0x0002;
constexpr quint16 kEntryStream = 0x0003;
constexpr quint16 kStringStream = 0x0004;
constexpr qsizetype kGuidSize = 16;
constexpr qsizetype kEntrySize = 8;
// GUID indexes 0-2 are implied (none, PS_MAPI, PS_PUBLIC_STRINGS); the
// stream holds index 3 onwards.
constexpr int kFirstStreamGuidIndex = 3;

} // namespace NameMapLayout
