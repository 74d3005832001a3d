// SPDX-License-Identifier: GPL-2.0-or-later
#include "PstListViewDelegate.h"

#include "ItemType.h"
#include "PstListModel.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QPixmap>

namespace {

const int kRowHeight = 60;
const QColor kSelectedBackground(QStringLiteral("#2a65d9"));
const QColor kMailDateColour(55, 124, 246);

QString withoutLineBreaks(QString text)
{
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    return text;
}

QFont pixelFont(const QFont& base, bool bold)
{
    QFont font(base);
    font.setPixelSize(12);
    if (bold)
        font.setWeight(QFont::Bold);
    return font;
}

} // namespace

struct PstListViewDelegate::RowLayout
{
    QRect icon;
    int textLeft = 0;     // T
    int contentLeft = 0;  // x + P
    int contentRight = 0; // R
    int contentWidth = 0; // W
    int leftShare = 0;    // w
    int line1Top = 0;
    int line2Top = 0;

    QRect line1(int left, int right) const { return QRect(QPoint(left, line1Top), QPoint(right, line1Top + 19)); }
    QRect line2(int left, int right) const { return QRect(QPoint(left, line2Top), QPoint(right, line2Top + 19)); }
    // The right-hand column of a split line, after the left share.
    int rightBoxLeft(int spacing) const { return contentLeft + leftShare - 1 + spacing; }
    int rightBoxRight(int spacing) const { return rightBoxLeft(spacing) + (contentWidth - leftShare) - 5; }
};

PstListViewDelegate::PstListViewDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{
}

QSize PstListViewDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const
{
    if (auto* view = qobject_cast<QAbstractItemView*>(parent()))
        return {view->viewport()->width() - 20, kRowHeight};
    return {200, kRowHeight};
}

PstListViewDelegate::RowLayout PstListViewDelegate::layoutFor(const QRect& row) const
{
    RowLayout layout;
    const int x = row.left();
    const int y = row.top();
    const int right = x + row.width() - 1;
    layout.icon = QRect(x + m_padding, y + m_padding + m_iconOffset, m_iconSize, m_iconSize);
    layout.textLeft = x + m_padding + m_iconSize - 1 + m_spacing;
    layout.contentLeft = x + m_padding;
    layout.contentRight = right - m_padding;
    layout.contentWidth = layout.contentRight - layout.contentLeft + 1;
    layout.leftShare = int(layout.contentWidth * 0.7);
    layout.line1Top = y + m_padding;
    layout.line2Top = layout.line1Top + 19 + m_spacing;
    return layout;
}

void PstListViewDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!index.isValid())
        return;
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::TextAntialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    m_selected = option.state.testFlag(QStyle::State_Selected);
    painter->fillRect(option.rect, m_selected ? QBrush(kSelectedBackground) : option.palette.base());

    painter->save();
    switch (index.data(PstListModel::TypeRole).toInt()) {
    case Mail:
        printMailItem(painter, option, index);
        break;
    case Calendar:
        printCalendarItem(painter, option, index);
        break;
    case Contact:
        printContactItem(painter, option, index);
        break;
    case Journal:
    case Note:
        printNoteItem(painter, option, index);
        break;
    case Task:
        printTaskItem(painter, option, index);
        break;
    default:
        break;
    }
    painter->restore();
}

QIcon PstListViewDelegate::cachedIcon(const QString& path) const
{
    if (path.isEmpty())
        return {};
    auto found = m_icons.constFind(path);
    if (found != m_icons.constEnd())
        return *found;
    // A picture that cannot be loaded gives a null icon, which is not painted.
    const QPixmap picture(path);
    const QIcon icon = picture.isNull() ? QIcon() : QIcon(picture);
    m_icons.insert(path, icon);
    return icon;
}

void PstListViewDelegate::drawIcon(QPainter* painter, const QRect& box, const QString& path) const
{
    const QIcon icon = cachedIcon(path);
    if (!icon.isNull())
        icon.paint(painter, box, Qt::AlignCenter, QIcon::Normal, QIcon::Off);
}

QString PstListViewDelegate::whiteOrGray(const QString& name) const
{
    return QStringLiteral(":/img/%1-%2.png").arg(name, m_selected ? QStringLiteral("white") : QStringLiteral("gray"));
}

void PstListViewDelegate::setTextPen(QPainter* painter, const QStyleOptionViewItem& option) const
{
    painter->setPen(m_selected ? QColor(Qt::white) : option.palette.color(QPalette::Text));
}

void PstListViewDelegate::drawTitle(QPainter* painter, const QStyleOptionViewItem& option, const QRect& box,
                                    const QString& text) const
{
    const QFont font = pixelFont(option.font, true);
    painter->setFont(font);
    const QString shown = QFontMetrics(font).elidedText(text, Qt::ElideRight, box.width());
    painter->drawText(box, Qt::AlignLeft | Qt::AlignVCenter, shown);
}

void PstListViewDelegate::drawDetail(QPainter* painter, const QStyleOptionViewItem& option, const QRect& box,
                                     const QString& text, Qt::Alignment alignment, bool elide) const
{
    const QFont font = pixelFont(option.font, false);
    painter->setFont(font);
    const QString oneLine = withoutLineBreaks(text);
    const QString shown = elide ? QFontMetrics(font).elidedText(oneLine, Qt::ElideRight, box.width()) : oneLine;
    painter->drawText(box, alignment | Qt::AlignVCenter, shown);
}

void PstListViewDelegate::printMailItem(QPainter* painter, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    const RowLayout layout = layoutFor(option.rect);
    const QIcon mailIcon = cachedIcon(whiteOrGray(QStringLiteral("mail")));
    if (!mailIcon.isNull()) {
        mailIcon.paint(painter, layout.icon, Qt::AlignCenter, QIcon::Normal, QIcon::Off);
    } else {
        setTextPen(painter, option);
        painter->drawText(layout.icon, Qt::AlignCenter, QString::fromUtf8("\xF0\x9F\x93\xA7"));
    }

    setTextPen(painter, option);
    const int senderRight = layout.contentLeft + layout.leftShare - 23;
    drawTitle(painter, option, layout.line1(layout.textLeft, senderRight), index.data(Qt::DisplayRole).toString());

    if (index.data(PstListModel::AttachmentRole).toBool()) {
        const int markLeft = senderRight + m_spacing;
        drawIcon(painter, QRect(markLeft, layout.line1Top, 21, 20), whiteOrGray(QStringLiteral("attachment")));
    }

    painter->setPen(m_selected ? QColor(Qt::white) : kMailDateColour);
    drawDetail(painter, option, layout.line1(layout.rightBoxLeft(m_spacing), layout.rightBoxRight(m_spacing)),
               index.data(PstListModel::MailDateRole).toString(), Qt::AlignRight);

    setTextPen(painter, option);
    drawDetail(painter, option, layout.line2(layout.textLeft, layout.contentRight),
               index.data(PstListModel::SubjectRole).toString());
}

void PstListViewDelegate::printCalendarItem(QPainter* painter, const QStyleOptionViewItem& option,
                                            const QModelIndex& index) const
{
    printScheduledItem(painter, option, index, index.data(Qt::DecorationRole).toString());
}

void PstListViewDelegate::printTaskItem(QPainter* painter, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    const bool completed = index.data(PstListModel::CompletedRole).toBool();
    printScheduledItem(painter, option, index, whiteOrGray(completed ? QStringLiteral("check") : QStringLiteral("unchecked")));
}

// Appointments and tasks: name, then the start date with the duration at the right.
void PstListViewDelegate::printScheduledItem(QPainter* painter, const QStyleOptionViewItem& option,
                                             const QModelIndex& index, const QString& icon) const
{
    const RowLayout layout = layoutFor(option.rect);
    drawIcon(painter, layout.icon, icon);
    setTextPen(painter, option);
    drawTitle(painter, option, layout.line1(layout.textLeft, layout.contentRight), index.data(Qt::DisplayRole).toString());
    drawDetail(painter, option, layout.line2(layout.textLeft, layout.contentLeft + layout.leftShare - 1),
               index.data(PstListModel::StartDateRole).toString());
    drawDetail(painter, option, layout.line2(layout.rightBoxLeft(m_spacing), layout.rightBoxRight(m_spacing)),
               index.data(PstListModel::DurationRole).toString(), Qt::AlignRight, false);
}

void PstListViewDelegate::printContactItem(QPainter* painter, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const
{
    const RowLayout layout = layoutFor(option.rect);
    drawIcon(painter, layout.icon, whiteOrGray(QStringLiteral("contact")));
    setTextPen(painter, option);
    drawTitle(painter, option, layout.line1(layout.textLeft, layout.contentRight), index.data(Qt::DisplayRole).toString());
    drawDetail(painter, option, layout.line2(layout.textLeft, layout.contentRight),
               index.data(PstListModel::SubjectRole).toString());
}

void PstListViewDelegate::printNoteItem(QPainter* painter, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    const RowLayout layout = layoutFor(option.rect);
    drawIcon(painter, layout.icon, index.data(Qt::DecorationRole).toString());
    setTextPen(painter, option);
    drawTitle(painter, option, layout.line1(layout.textLeft, layout.contentRight), index.data(Qt::DisplayRole).toString());
    drawDetail(painter, option, layout.line2(layout.textLeft, layout.contentRight),
               index.data(PstListModel::CreateDateRole).toString());
}
