// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstListOrder.h"

#include "PstListModel.h"

#include <QCollator>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// Sorts the positions 0..keys.size()-1 by their keys; a stable sort keeps
// equal items in folder order.
template <typename Key>
QList<int> positionsByKey(const std::vector<Key>& keys, Qt::SortOrder order)
{
    QList<int> positions(qsizetype(keys.size()));
    std::iota(positions.begin(), positions.end(), 0);
    if (order == Qt::AscendingOrder)
        std::stable_sort(positions.begin(), positions.end(), [&keys](int a, int b) { return keys[a] < keys[b]; });
    else
        std::stable_sort(positions.begin(), positions.end(), [&keys](int a, int b) { return keys[b] < keys[a]; });
    return positions;
}

} // namespace

QLocale PstListOrder::collationLocale()
{
    const QLocale locale;
    return locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : locale;
}

QList<int> PstListOrder::sorted(const QList<std::shared_ptr<PstItem>>& items, int role, Qt::SortOrder order)
{
    QList<QVariant> values;
    values.reserve(items.size());
    bool texts = false;
    for (const std::shared_ptr<PstItem>& item : items) {
        values.append(item ? PstListModel::itemData(*item, role) : QVariant());
        texts = texts || values.constLast().typeId() == QMetaType::QString;
    }
    if (!texts) {
        std::vector<qint64> numbers;
        numbers.reserve(values.size());
        for (const QVariant& value : std::as_const(values))
            numbers.push_back(value.toLongLong());
        return positionsByKey(numbers, order);
    }
    // A collator of this call's own: collators are not shared between threads.
    // Each text's sort key is made once; comparing keys is a plain byte
    // comparison, far cheaper than collating the texts again and again.
    QCollator collator(collationLocale());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(values.size());
    for (const QVariant& value : std::as_const(values))
        keys.push_back(collator.sortKey(value.toString()));
    values.clear();
    return positionsByKey(keys, order);
}
