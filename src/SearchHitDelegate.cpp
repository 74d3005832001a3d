// SPDX-License-Identifier: GPL-2.0-or-later
#include "SearchHitDelegate.h"

#include "PstListModel.h"
#include "SearchHit.h"
#include "SearchHitModel.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

const int kRowHeight = 78;
const int kPadding = 8;
const int kIconSize = 32;
const int kSpacing = 6;
const int kLineHeight = 20;
const QColor kSelectedBackground(QStringLiteral("#2a65d9"));
const QColor kDateColour(55, 124, 246);

QFont pixelFont(const QFont& base, bool bold)
{
    QFont font(base);
    font.setPixelSize(12);
    if (bold)
        font.setWeight(QFont::Bold);
    return font;
}

QString oneLine(QString text)
{
    for (QChar& c : text) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('\t'))
            c = QLatin1Char(' ');
    }
    return text;
}

} // namespace

SearchHitDelegate::SearchHitDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{
}

QColor SearchHitDelegate::matchColour()
{
    return QColor(255, 222, 89);
}

QSize SearchHitDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const
{
    if (auto* view = qobject_cast<QAbstractItemView*>(parent()))
        return {view->viewport()->width() - 20, kRowHeight};
    return {200, kRowHeight};
}

QList<SearchHitDelegate::Run> SearchHitDelegate::runsOf(const QString& snippet)
{
    QList<Run> runs;
    Run current;
    for (const QChar c : snippet) {
        if (c == SearchHit::kMatchStart || c == SearchHit::kMatchEnd) {
            if (!current.text.isEmpty())
                runs.append(current);
            current = Run{QString(), c == SearchHit::kMatchStart};
            continue;
        }
        current.text.append(c);
    }
    if (!current.text.isEmpty())
        runs.append(current);
    for (Run& run : runs)
        run.text = oneLine(run.text);
    return runs;
}

QString SearchHitDelegate::shownFolder(const QString& folderPath)
{
    // Every path starts with the file's top folder ("Top of Personal
    // Folders"), which tells nothing; the whole path is the row's tooltip.
    const int slash = int(folderPath.indexOf(QLatin1Char('/')));
    return slash < 0 ? folderPath : folderPath.mid(slash + 1);
}

QIcon SearchHitDelegate::cachedIcon(const QString& path) const
{
    auto it = m_icons.find(path);
    if (it == m_icons.end())
        it = m_icons.insert(path, QIcon(path));
    return it.value();
}

void SearchHitDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!index.isValid())
        return;
    painter->save();
    painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    const bool selected = option.state & QStyle::State_Selected;
    painter->setPen(Qt::NoPen);
    painter->setBrush(selected ? kSelectedBackground : option.palette.brush(QPalette::Base).color());
    painter->drawRect(option.rect);

    const QRect row = option.rect;
    const QColor text = selected ? QColor(Qt::white) : option.palette.color(QPalette::Text);
    const QRect iconBox(row.left() + kPadding, row.top() + kPadding + 4, kIconSize, kIconSize);
    const QIcon icon = cachedIcon(index.data(Qt::DecorationRole).toString());
    if (!icon.isNull())
        icon.paint(painter, iconBox);

    const int left = iconBox.right() + kSpacing;
    const int right = row.right() - kPadding;
    const int top = row.top() + kPadding;
    const QFont bold = pixelFont(option.font, true);
    const QFont regular = pixelFont(option.font, false);

    // Line 1: who (or what) on the left, the date on the right.
    const QString date = index.data(PstListModel::MailDateRole).toString();
    painter->setFont(regular);
    const int dateWidth = date.isEmpty() ? 0 : painter->fontMetrics().horizontalAdvance(date) + kSpacing;
    const QRect dateBox(QPoint(right - dateWidth + 1, top), QPoint(right, top + kLineHeight - 1));
    painter->setPen(selected ? QColor(Qt::white) : kDateColour);
    painter->drawText(dateBox, Qt::AlignRight | Qt::AlignVCenter, date);
    painter->setFont(bold);
    painter->setPen(text);
    const QRect nameBox(QPoint(left, top), QPoint(right - dateWidth, top + kLineHeight - 1));
    painter->drawText(nameBox, Qt::AlignLeft | Qt::AlignVCenter,
                      painter->fontMetrics().elidedText(oneLine(index.data(Qt::DisplayRole).toString()), Qt::ElideRight,
                                                        nameBox.width()));

    // Line 2: the subject.
    painter->setFont(regular);
    const QRect subjectBox(QPoint(left, top + kLineHeight), QPoint(right, top + 2 * kLineHeight - 1));
    painter->drawText(subjectBox, Qt::AlignLeft | Qt::AlignVCenter,
                      painter->fontMetrics().elidedText(oneLine(index.data(PstListModel::SubjectRole).toString()),
                                                        Qt::ElideRight, subjectBox.width()));

    // Line 3: the folder, then the snippet.
    QRect line3(QPoint(left, top + 2 * kLineHeight), QPoint(right, top + 3 * kLineHeight - 1));
    const QString folder = shownFolder(index.data(SearchHitModel::FolderRole).toString());
    if (!folder.isEmpty()) {
        const QString shown = painter->fontMetrics().elidedText(oneLine(folder), Qt::ElideLeft, line3.width() / 3);
        painter->setPen(selected ? QColor(Qt::white) : option.palette.color(QPalette::PlaceholderText));
        painter->drawText(line3, Qt::AlignLeft | Qt::AlignVCenter, shown);
        line3.setLeft(line3.left() + painter->fontMetrics().horizontalAdvance(shown) + 2 * kSpacing);
    }
    drawSnippet(painter, line3, index.data(SearchHitModel::SnippetRole).toString(), text);
    painter->restore();
}

QList<SearchHitDelegate::Run> SearchHitDelegate::fitted(const QList<Run>& runs, const QFontMetrics& metrics, int width)
{
    // The text before the first match gives way, so the match is seen.
    int before = 0;
    for (int i = 0; i < runs.size(); ++i) {
        if (!runs.at(i).matched) {
            before += metrics.horizontalAdvance(runs.at(i).text);
            continue;
        }
        const int match = metrics.horizontalAdvance(runs.at(i).text);
        if (before + match <= width || i == 0)
            return runs;
        QList<Run> result = runs.mid(i);
        const QString ellipsis(QChar(0x2026));
        const int room = std::max(0, std::min(width / 3, width - match) - metrics.horizontalAdvance(ellipsis));
        QString lead;
        for (int j = i - 1; j >= 0 && metrics.horizontalAdvance(lead) < room; --j)
            lead.prepend(runs.at(j).text);
        lead = metrics.elidedText(lead, Qt::ElideLeft, room + metrics.horizontalAdvance(ellipsis));
        if (!lead.isEmpty())
            result.prepend(Run{lead, false});
        return result;
    }
    return runs;
}

void SearchHitDelegate::drawSnippet(QPainter* painter, const QRect& box, const QString& snippet,
                                    const QColor& textColour) const
{
    const QFontMetrics metrics = painter->fontMetrics();
    int x = box.left();
    for (const Run& run : fitted(runsOf(snippet), metrics, box.width())) {
        const int room = box.right() - x + 1;
        if (room <= metrics.horizontalAdvance(QChar(0x2026)))
            break;
        const QString shown = metrics.elidedText(run.text, Qt::ElideRight, room);
        const int width = metrics.horizontalAdvance(shown);
        const QRect runBox(x, box.top(), width, box.height());
        if (run.matched) {
            painter->setPen(Qt::NoPen);
            painter->setBrush(matchColour());
            painter->drawRect(runBox.adjusted(0, 2, 0, -2));
            painter->setPen(Qt::black);
        } else {
            painter->setPen(textColour);
        }
        painter->drawText(runBox, Qt::AlignLeft | Qt::AlignVCenter, shown);
        x += width;
        if (shown != run.text)
            break;
    }
}
