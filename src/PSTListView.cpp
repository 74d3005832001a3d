// SPDX-License-Identifier: GPL-2.0-or-later
#include "PSTListView.h"

PSTListView::PSTListView(QWidget* parent)
    : QListView(parent)
{
    // Every row is 60 pixels high: the view never needs to measure rows.
    setUniformItemSizes(true);
    // Rows are as wide as the viewport; without a new layout on resize they
    // would keep the width of the last layout and a narrowed pane would cut
    // off their dates.
    setResizeMode(QListView::Adjust);
}

QSize PSTListView::minimumSizeHint() const
{
    return {0, 0};
}
