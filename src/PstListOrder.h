// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstItem.h"

#include <QList>
#include <QLocale>

#include <memory>

// The order the item list shows a folder in, computed apart from the list
// so that a large folder can be sorted on a worker thread. Texts sort by
// the user's locale, ignoring case, with numbers in numeric order ("Item 9"
// before "Item 10"); dates, sizes and kinds as numbers. Items that compare
// equal keep their folder order, in both directions.
class PstListOrder
{
public:
    // The positions in `items` of the rows from top to bottom, sorted by
    // the list model's `role` (see PstListModel::itemData()). Runs on any
    // thread; the items are only read.
    static QList<int> sorted(const QList<std::shared_ptr<PstItem>>& items, int role, Qt::SortOrder order);
    // The locale texts are compared in: the user's, or English for the C
    // locale, as a user without a chosen language still expects dictionary
    // order.
    static QLocale collationLocale();
};
