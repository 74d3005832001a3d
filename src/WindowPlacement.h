// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QRect>

// Where a window goes when it changes size: centred where it was, but always
// inside the screen's available area (menu bar and tool bar reachable).
class WindowPlacement
{
public:
    // A frame of `size` centred on `centre`, shrunk to `available` when
    // larger and moved into it. An invalid `available` only centres.
    static QRect fitted(const QRect& available, const QPoint& centre, const QSize& size);
};
