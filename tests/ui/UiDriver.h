// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "PstFolderItem.h"

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

// The first folder called `name` below `node`, depth first; empty if none.
std::shared_ptr<PstFolderItem> findFolder(const std::shared_ptr<PstItem>& node, const QString& name);

} // namespace UiDriver
