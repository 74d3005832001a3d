// SPDX-License-Identifier: GPL-2.0-or-later
#include "PSTTreeView.h"

PSTTreeView::PSTTreeView(QWidget* parent)
    : QTreeView(parent)
{
}

QSize PSTTreeView::minimumSizeHint() const
{
    return {0, 0};
}
