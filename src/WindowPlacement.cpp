// SPDX-License-Identifier: GPL-2.0-or-later
#include "WindowPlacement.h"

#include <algorithm>

QRect WindowPlacement::fitted(const QRect& available, const QPoint& centre, const QSize& size)
{
    QRect frame(QPoint(0, 0), available.isValid() ? size.boundedTo(available.size()) : size);
    frame.moveCenter(centre);
    if (!available.isValid())
        return frame;
    frame.moveLeft(std::clamp(frame.left(), available.left(), available.right() - frame.width() + 1));
    frame.moveTop(std::clamp(frame.top(), available.top(), available.bottom() - frame.height() + 1));
    return frame;
}
