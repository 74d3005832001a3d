// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QFontMetrics>
#include <QHash>
#include <QIcon>
#include <QList>
#include <QStyledItemDelegate>

// Paints a search hit as a three-line card: the sender (or name) and date,
// the subject, and the hit's folder before a snippet of its text whose
// matched words are marked.
class SearchHitDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    // A piece of a snippet: text, and whether it is a matched word.
    struct Run
    {
        QString text;
        bool matched = false;
    };

    explicit SearchHitDelegate(QObject* parent = nullptr);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The runs of a snippet with SearchHit's match marks; line breaks and
    // stray marks never reach the screen.
    static QList<Run> runsOf(const QString& snippet);
    // The runs that fit `width` with the first match in view: the text
    // before it is cut at the left when the match would fall off the end.
    static QList<Run> fitted(const QList<Run>& runs, const QFontMetrics& metrics, int width);
    // A hit's folder as its row names it: the path below the file's top folder.
    static QString shownFolder(const QString& folderPath);
    // The background of a matched word.
    static QColor matchColour();

private:
    void drawSnippet(QPainter* painter, const QRect& box, const QString& snippet, const QColor& textColour) const;
    QIcon cachedIcon(const QString& path) const;

    mutable QHash<QString, QIcon> m_icons;
};
