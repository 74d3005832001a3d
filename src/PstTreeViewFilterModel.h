// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QSortFilterProxyModel>

// The folder tree as shown: without Outlook's internal folders unless asked
// for them, and optionally without folders whose whole subtree holds no
// items (the export dialog's choice).
class PstTreeViewFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit PstTreeViewFilterModel(QObject* parent = nullptr);

    // Re-filters only when the value changes.
    void setHideEmptyFolders(bool hide);
    bool hideEmptyFolders() const { return m_hideEmptyFolders; }
    // Shows the folders PstFolderItem::isHidden() marks; off at first.
    void setShowHiddenFolders(bool show);
    bool showHiddenFolders() const { return m_showHiddenFolders; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    bool holdsItems(const QModelIndex& sourceIndex) const;

    bool isShown(const QModelIndex& sourceIndex) const;

    bool m_hideEmptyFolders = false;
    bool m_showHiddenFolders = false;
};
