// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "SearchHit.h"

#include <QAbstractListModel>

// The hits of an all-folders search, one row each, in the order the index
// gave them. Rows answer the item list's roles (PstListModel::Role), so the
// sort menu's fields apply, and the hit's folder and snippet besides.
class SearchHitModel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum Role {
        FolderRole = Qt::UserRole + 40,  // the hit's folder path
        SnippetRole = Qt::UserRole + 41, // words around the match, marked with SearchHit::kMatchStart/End
        RankRole = Qt::UserRole + 42,    // lower is better
    };

    explicit SearchHitModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void setHits(const QList<SearchHit>& hits);
    // Takes the snippets of `hits`, made later than the rows, into the
    // rows from `from` on (the same hits, in the same order).
    void setSnippets(int from, const QList<SearchHit>& hits);
    QList<SearchHit> hits() const { return m_hits; }
    // The hit of a row of this model; null for an invalid index.
    const SearchHit* hitAt(const QModelIndex& index) const;

    // The name of a sender as the index keeps it ("Name address").
    static QString senderName(const QString& sender);
    // The icon a list row shows for an ItemType.
    static QString iconOf(int itemType);

private:
    QList<SearchHit> m_hits;
};
