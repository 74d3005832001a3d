// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QSortFilterProxyModel>

// The item list as shown: filtered by the search text. A row matches when
// the text occurs, ignoring case and accents, in a mail's subject, sender
// name or sender address, or in another item's display name. The rows come
// in the list model's order, which PstListController sorts (a proxy's own
// sort would sort a huge folder on the GUI thread).
class PstListFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit PstListFilterModel(QObject* parent = nullptr);

    // Keeps the rows matching `text`; an empty text keeps every row.
    void setSearchText(const QString& text);
    QString searchText() const { return m_searchText; }

    // `text` without case and accents, for matching ("Émile" -> "emile").
    static QString folded(const QString& text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QString m_searchText;
    QString m_foldedSearchText;
};
