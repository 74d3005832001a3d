// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QSet>
#include <QSortFilterProxyModel>

class PstItem;

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

    // Gives every row a check box, all checked at first (the export
    // dialog's choice of folders). Checking or unchecking a folder does the
    // same to every folder below it.
    void setCheckable(bool checkable);
    bool isCheckable() const { return m_checkable; }
    // Whether the folder is checked (always, while not checkable).
    bool isChecked(const PstItem* folder) const { return !m_unchecked.contains(folder); }
    // The node ids of the unchecked folders.
    QSet<unsigned long long> uncheckedFolderIds() const;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    bool holdsItems(const QModelIndex& sourceIndex) const;

    bool isShown(const QModelIndex& sourceIndex) const;

    void setCheckedBelow(PstItem* item, bool checked);
    void announceCheckChange(const QModelIndex& index);

    bool m_checkable = false;
    QSet<const PstItem*> m_unchecked;
    bool m_hideEmptyFolders = false;
    bool m_showHiddenFolders = false;
};
