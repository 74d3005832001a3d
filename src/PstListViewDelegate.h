// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QHash>
#include <QIcon>
#include <QStyledItemDelegate>

// Paints each item-list row as a two-line card of fixed height: icon, bold
// first line, regular second line and a right-hand column for dates.
class PstListViewDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit PstListViewDelegate(QObject* parent = nullptr);

    // The viewport's width − 20 by 60 (200 × 60 outside an item view).
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    void printMailItem(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    void printCalendarItem(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    void printContactItem(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    void printNoteItem(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    void printTaskItem(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    void printScheduledItem(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index,
                            const QString& icon) const;

private:
    // The geometry of one row, derived from the row rectangle.
    struct RowLayout;
    RowLayout layoutFor(const QRect& row) const;

    QIcon cachedIcon(const QString& path) const;
    void drawIcon(QPainter* painter, const QRect& box, const QString& path) const;
    void drawTitle(QPainter* painter, const QStyleOptionViewItem& option, const QRect& box, const QString& text) const;
    void drawDetail(QPainter* painter, const QStyleOptionViewItem& option, const QRect& box, const QString& text,
                    Qt::Alignment alignment = Qt::AlignLeft, bool elide = true) const;
    void setTextPen(QPainter* painter, const QStyleOptionViewItem& option) const;
    QString whiteOrGray(const QString& name) const;

    const int m_padding = 8;
    const int m_iconOffset = 4;
    const int m_spacing = 6;
    const int m_iconSize = 32;
    mutable bool m_selected = false;
    mutable QHash<QString, QIcon> m_icons;
};
