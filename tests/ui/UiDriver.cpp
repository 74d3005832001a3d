// SPDX-License-Identifier: GPL-2.0-or-later
#include "UiDriver.h"

#include <QAbstractItemView>
#include <QTest>
#include <QTreeView>

namespace UiDriver {

QModelIndex findRow(const QAbstractItemView* view, const QString& prefix, const QModelIndex& parent)
{
    const QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex index = model->index(row, 0, parent);
        if (index.data().toString().startsWith(prefix))
            return index;
        const QModelIndex below = findRow(view, prefix, index);
        if (below.isValid())
            return below;
    }
    return {};
}

bool pressFolder(QTreeView* tree, const QString& prefix)
{
    tree->expandAll();
    const QModelIndex index = findRow(tree, prefix);
    if (!index.isValid())
        return false;
    tree->scrollTo(index);
    QTest::mousePress(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(index).center());
    QTest::mouseRelease(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(index).center());
    return true;
}

bool clickRow(QAbstractItemView* view, int row)
{
    const QModelIndex index = view->model()->index(row, 0);
    if (!index.isValid())
        return false;
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    return true;
}

std::shared_ptr<PstFolderItem> findFolder(const std::shared_ptr<PstItem>& node, const QString& name)
{
    for (int i = 0; i < node->childCount(); ++i) {
        auto folder = std::dynamic_pointer_cast<PstFolderItem>(node->child(i));
        if (folder && folder->displayName() == name)
            return folder;
        if (auto below = folder ? findFolder(folder, name) : nullptr)
            return below;
    }
    return nullptr;
}

} // namespace UiDriver
