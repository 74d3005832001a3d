// SPDX-License-Identifier: GPL-2.0-or-later
#include "PSTStackedWidget.h"

PSTStackedWidget::PSTStackedWidget(QWidget* parent)
    : QStackedWidget(parent)
{
}

QSize PSTStackedWidget::minimumSizeHint() const
{
    return {0, 0};
}
