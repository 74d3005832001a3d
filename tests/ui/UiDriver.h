#pragma once

#include <QModelIndex>
#include <QString>

class QAbstractItemView;
class QTreeView;

// Helpers that work the browsing widgets as a user would.
namespace UiDriver {

// The first row (depth-first) whose display text starts with `prefix`.
QModelIndex findRow(const QAbstractItemView* view, const QString& prefix, const QModelIndex& parent = QModelIndex());

// Expands the tree and presses the row whose text starts with `prefix`
// with the mouse; false when there is no such row.
bool pressFolder(QTreeView* tree, const QString& prefix);

// Clicks the list row `row` (in view order).
bool clickRow(QAbstractItemView* view, int row);

} // namespace UiDriver
