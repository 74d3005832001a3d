// SPDX-License-Identifier: GPL-2.0-or-later
#include "AlternateTreeView.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kEvenBand(250, 250, 250);
const QColor kOddBand(230, 230, 230);

} // namespace

AlternateTreeView::AlternateTreeView(QWidget* parent)
    : QTreeView(parent)
{
}

void AlternateTreeView::paintEvent(QPaintEvent* event)
{
    QWidget* area = viewport();
    int bandHeight = rowHeight(QModelIndex());
    if (bandHeight < 1)
        bandHeight = fontMetrics().height() + 6;
    {
        QPainter painter(area);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath rounded;
        rounded.addRoundedRect(QRectF(area->rect()), 10, 10);
        painter.fillPath(rounded, Qt::white);
        int band = 0;
        for (int y = 0; y < area->height(); y += bandHeight, ++band)
            painter.fillRect(0, y, area->width(), bandHeight, band % 2 == 0 ? kEvenBand : kOddBand);
    }
    QTreeView::paintEvent(event);
}
